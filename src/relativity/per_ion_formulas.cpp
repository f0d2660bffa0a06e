#include "relativity/per_ion_formulas.hpp"

#include <cmath>

namespace zelkor {

double Gamma(double energyEv, double amu) { return (energyEv / amu) / kAmuRestEnergyEv + 1; }

double Beta(double gamma) { return std::sqrt(1 - 1 / (gamma * gamma)); }

double BetaGamma(double gamma, double beta) { return gamma * beta; }

double RelativisticMass(double amu, double gamma) { return amu * kAmuKg * gamma; }

double Velocity(double beta) { return beta * kSpeedOfLight; }

double Momentum(double beta, double gamma, double amu) { return beta * gamma * (kAmuRestEnergyEv * amu); }

double MagneticRigidity(double momentumEvPerC, int n) {
    return momentumEvPerC / (static_cast<double>(n) * kSpeedOfLight);
}

double MomentumOfIon(double energyEv, double amu) {
    const double gamma = Gamma(energyEv, amu);
    return Momentum(Beta(gamma), gamma, amu);
}

double OutputUnitFactor(int unitCode) {
    switch (unitCode) {
        case 1: return 0.001;
        case 2: return 1e-6;
        case 3: return 1e-9;
        default: return 1.0;
    }
}

double KineticEnergyColumn(double energyEv, double factor) { return energyEv * factor; }

double EnergyPerAColumn(double energyEv, double factor, int A) { return energyEv * factor / static_cast<double>(A); }

double EnergyPerAmuColumn(double energyEv, double factor, double amu) { return energyEv * factor / amu; }

}  // namespace zelkor
