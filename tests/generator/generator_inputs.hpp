#pragma once

#include "generator/generator_fields.hpp"

#include <string>
#include <utility>
#include <vector>

namespace zelkor::generator_test {

// A 100 keV proton beam whose fields pass every check of "Generate".
inline GeneratorFields ProtonBeamFields() {
    GeneratorFields f;
    f.description = "1 H  ions into Si 10 um,  Various Energies, Positions and Angles";
    f.particles = "50";
    f.atomicNumber = "1";
    f.amu = "1.00727646688";
    f.angle = "0";
    f.energy = "100";
    f.deltaE = "1";
    f.nSigma = "2";
    f.yTotal = "1";
    f.zTotal = "2";
    f.yRms = "0.5";
    f.zRms = "1";
    f.dydxTotal = "2";
    f.dzdxTotal = "3";
    f.dydxRms = "1";
    f.dzdxRms = "1.5";
    f.epsY = "1.5";
    f.epsZ = "4";
    f.signY = AlphaSign::Plus;
    f.signZ = AlphaSign::Minus;
    f.dispersionY = "0";
    f.dispersionZ = "0";
    f.dispersionSlopeY = "0";
    f.dispersionSlopeZ = "0";
    return f;
}

// The batch tool's command line that asks for the same beam as the fields;
// empty fields are left out, as the window leaves them out.
inline std::vector<std::string> GenerateWords(const GeneratorFields& f, const std::string& out) {
    std::vector<std::string> words{"generate", "-o", out};
    const std::pair<const char*, const std::string*> options[] = {{"--description", &f.description},
                                                                  {"--particles", &f.particles},
                                                                  {"--atomic-number", &f.atomicNumber},
                                                                  {"--amu", &f.amu},
                                                                  {"--angle", &f.angle},
                                                                  {"--energy", &f.energy},
                                                                  {"--delta-e", &f.deltaE},
                                                                  {"--n-sigma", &f.nSigma},
                                                                  {"--y-total", &f.yTotal},
                                                                  {"--z-total", &f.zTotal},
                                                                  {"--y-rms", &f.yRms},
                                                                  {"--z-rms", &f.zRms},
                                                                  {"--dydx-total", &f.dydxTotal},
                                                                  {"--dzdx-total", &f.dzdxTotal},
                                                                  {"--dydx-rms", &f.dydxRms},
                                                                  {"--dzdx-rms", &f.dzdxRms},
                                                                  {"--eps-y", &f.epsY},
                                                                  {"--eps-z", &f.epsZ},
                                                                  {"--d-y", &f.dispersionY},
                                                                  {"--d-z", &f.dispersionZ},
                                                                  {"--ddx-y", &f.dispersionSlopeY},
                                                                  {"--ddx-z", &f.dispersionSlopeZ}};
    for (const auto& [option, value] : options) {
        if (value->empty()) continue;
        words.push_back(option);
        words.push_back(*value);
    }
    const auto sign = [](AlphaSign s) { return s == AlphaSign::Plus ? "PLUS" : "MINUS"; };
    if (f.signY) words.insert(words.end(), {"--sign-y", sign(*f.signY)});
    if (f.signZ) words.insert(words.end(), {"--sign-z", sign(*f.signZ)});
    return words;
}

}  // namespace zelkor::generator_test
