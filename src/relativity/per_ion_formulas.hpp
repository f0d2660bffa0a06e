#pragma once

namespace zelkor {

// Physical constants, used exactly as written.
inline constexpr double kAmuRestEnergyEv = 931494043.0;
inline constexpr double kAmuKg = 1.66053886e-27;
inline constexpr double kSpeedOfLight = 299792458.0;

// Per-ion relativistic quantities of an ion with kinetic energy E (eV) and
// mass amu, each evaluated in the order written beside it so that tables and
// statistics built on them agree to the last bit.

// (E / amu) / 931494043.0 + 1
double Gamma(double energyEv, double amu);
// sqrt(1 - 1 / gamma^2)
double Beta(double gamma);
// gamma * beta
double BetaGamma(double gamma, double beta);
// amu * 1.66053886e-27 * gamma, in kg
double RelativisticMass(double amu, double gamma);
// beta * 299792458.0, in m/s
double Velocity(double beta);
// beta * gamma * (931494043.0 * amu), in eV/c
double Momentum(double beta, double gamma, double amu);
// momentum / (n * 299792458.0), momentum in eV/c, in T m
double MagneticRigidity(double momentumEvPerC, int n);

// The momentum of an ion straight from its energy: gamma, then beta, then Momentum.
double MomentumOfIon(double energyEv, double amu);

// Output columns scale by multiplication: eV 1, keV 0.001, MeV 1e-6, GeV 1e-9
// (the same for eV/c .. GeV/c); a code out of range reads as 0.
double OutputUnitFactor(int unitCode);
// E * factor
double KineticEnergyColumn(double energyEv, double factor);
// E * factor / A, A as a double
double EnergyPerAColumn(double energyEv, double factor, int A);
// E * factor / amu
double EnergyPerAmuColumn(double energyEv, double factor, double amu);

}  // namespace zelkor
