#pragma once

#include "generator/generator_fields.hpp"

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

}  // namespace zelkor::generator_test
