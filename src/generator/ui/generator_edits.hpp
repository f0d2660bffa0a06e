#pragma once

#include "generator/generator_fields.hpp"

#include <array>
#include <cstddef>
#include <span>
#include <string>

namespace zelkor {

// One edit of the generator window: its component name, its label (a '\n'
// where the label takes two lines) and the field it fills.
struct GeneratorEdit {
    const char* name;
    const char* label;
    std::string GeneratorFields::*field;
};

// In the window's three columns, top to bottom: the ion and its energy, the
// horizontal plane, the vertical plane.
inline constexpr GeneratorEdit kIonEdits[] = {
    {"lbeditNbOfPart", "Number of Particles", &GeneratorFields::particles},
    {"lbeditAtNo", "Atomic Number", &GeneratorFields::atomicNumber},
    {"lbeditAMU", "amu (ion mass in\natomic mass unit)", &GeneratorFields::amu},
    {"lbeditAngOfInc", "Angle of Incidence [deg]", &GeneratorFields::angle},
    {"lbeditE", "E [keV]", &GeneratorFields::energy},
    {"lbeditdeltaE", "(delta E)/E [%]", &GeneratorFields::deltaE},
    {"lbeditEmult", "n (deltaE = n.sigma)", &GeneratorFields::nSigma},
};
// Row of the sign list in both planes: after the emittance.
inline constexpr GeneratorEdit kHorizontalEdits[] = {
    {"lbeditYtotal", "Y (total) [mm]", &GeneratorFields::yTotal},
    {"lbeditYRMS", "Y (RMS) [mm]", &GeneratorFields::yRms},
    {"lbeditdYdXtotal", "dY/dX (total) [mrad]", &GeneratorFields::dydxTotal},
    {"lbeditdYdXRMS", "dY/dX (RMS) [mrad]", &GeneratorFields::dydxRms},
    {"lbeditEpsY", "EPS_Y (total) [PI.mm.mrad]", &GeneratorFields::epsY},
    {"lbeditD_Y", "D_Y [m]", &GeneratorFields::dispersionY},
    {"lbeditdDdX_Y", "dD/dX _Y", &GeneratorFields::dispersionSlopeY},
};
inline constexpr GeneratorEdit kVerticalEdits[] = {
    {"lbeditZtotal", "Z (total) [mm]", &GeneratorFields::zTotal},
    {"lbeditZRMS", "Z (RMS) [mm]", &GeneratorFields::zRms},
    {"lbeditdZdXtotal", "dZ/dX (total) [mrad]", &GeneratorFields::dzdxTotal},
    {"lbeditdZdXRMS", "dZ/dX (RMS) [mrad]", &GeneratorFields::dzdxRms},
    {"lbeditEpsZ", "EPS_Z (total) [PI.mm.mrad]", &GeneratorFields::epsZ},
    {"lbeditD_Z", "D_Z [m]", &GeneratorFields::dispersionZ},
    {"lbeditdDdX_Z", "dD/dX _Z", &GeneratorFields::dispersionSlopeZ},
};
inline constexpr int kSignRow = 5;

// The three columns in reading order, which is also the order of the window's edits.
inline constexpr std::array<std::span<const GeneratorEdit>, 3> kGeneratorColumns{kIonEdits, kHorizontalEdits,
                                                                                 kVerticalEdits};
inline constexpr std::size_t kGeneratorEditCount =
    std::size(kIonEdits) + std::size(kHorizontalEdits) + std::size(kVerticalEdits);

// Where the edit of a field stands in that order; a field that no edit fills does not compile.
consteval std::size_t EditIndexOf(std::string GeneratorFields::*field) {
    std::size_t index = 0;
    for (const auto& column : kGeneratorColumns)
        for (const GeneratorEdit& e : column) {
            if (e.field == field) return index;
            ++index;
        }
    throw "no edit of the generator window fills this field";
}

}  // namespace zelkor
