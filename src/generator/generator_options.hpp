#pragma once

#include "generator/generator_fields.hpp"

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace zelkor {

// The generator window's text fields under the names scripts give them
// ("particles", "y-total", "d-y" ...); a field not named stays empty.
inline constexpr std::array<std::pair<const char*, std::string GeneratorFields::*>, 22> kGeneratorTextOptions = {{
    {"description", &GeneratorFields::description},
    {"particles", &GeneratorFields::particles},
    {"atomic-number", &GeneratorFields::atomicNumber},
    {"amu", &GeneratorFields::amu},
    {"angle", &GeneratorFields::angle},
    {"energy", &GeneratorFields::energy},
    {"delta-e", &GeneratorFields::deltaE},
    {"n-sigma", &GeneratorFields::nSigma},
    {"y-total", &GeneratorFields::yTotal},
    {"z-total", &GeneratorFields::zTotal},
    {"y-rms", &GeneratorFields::yRms},
    {"z-rms", &GeneratorFields::zRms},
    {"dydx-total", &GeneratorFields::dydxTotal},
    {"dzdx-total", &GeneratorFields::dzdxTotal},
    {"dydx-rms", &GeneratorFields::dydxRms},
    {"dzdx-rms", &GeneratorFields::dzdxRms},
    {"eps-y", &GeneratorFields::epsY},
    {"eps-z", &GeneratorFields::epsZ},
    {"d-y", &GeneratorFields::dispersionY},
    {"d-z", &GeneratorFields::dispersionZ},
    {"ddx-y", &GeneratorFields::dispersionSlopeY},
    {"ddx-z", &GeneratorFields::dispersionSlopeZ},
}};

// "y,z,dydx,dzdx" or any part of it: the quantities switched to Uniform in
// the distributions window. False on a name outside the four.
bool ReadUniformList(std::string_view list, DistributionChoice& choice);

}  // namespace zelkor
