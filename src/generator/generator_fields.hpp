#pragma once

#include "generator/alpha_sign.hpp"

#include <optional>
#include <string>

namespace zelkor {

enum class Distribution { Gaussian, Uniform };

// The four choices of the "Distributions" window; all Gaussian at start and
// kept for the whole run.
struct DistributionChoice {
    Distribution posY = Distribution::Gaussian;
    Distribution posZ = Distribution::Gaussian;
    Distribution slopeY = Distribution::Gaussian;
    Distribution slopeZ = Distribution::Gaussian;
};

// The generator window's fields as typed (every edit starts empty).
struct GeneratorFields {
    std::string description;
    std::string particles, atomicNumber, amu, angle;
    std::string energy, deltaE, nSigma;
    std::string yTotal, zTotal, yRms, zRms;
    std::string dydxTotal, dzdxTotal, dydxRms, dzdxRms;
    std::string epsY, epsZ;
    std::optional<AlphaSign> signY, signZ;
    std::string dispersionY, dispersionZ, dispersionSlopeY, dispersionSlopeZ;
};

// The values that passed the checks of "Generate". RMS values of uniform
// quantities are not read and stay 0.
struct GeneratorParams {
    std::string description;
    int particles = 0;
    int atomicNumber = 0;
    double amu = 0.0;     // u
    double angle = 0.0;   // deg
    double energy = 0.0;  // keV
    double deltaE = 0.0;  // %
    double nSigma = 0.0;
    double yTotal = 0.0, zTotal = 0.0, yRms = 0.0, zRms = 0.0;              // mm
    double dydxTotal = 0.0, dzdxTotal = 0.0, dydxRms = 0.0, dzdxRms = 0.0;  // mrad
    double epsY = 0.0, epsZ = 0.0;                                          // pi mm mrad
    int signY = 1, signZ = 1;
    double dispersionY = 0.0, dispersionZ = 0.0;            // m
    double dispersionSlopeY = 0.0, dispersionSlopeZ = 0.0;  // rad
    DistributionChoice distributions;
};

}  // namespace zelkor
