#pragma once

#include "data/progress.hpp"
#include "generator/beam_random.hpp"
#include "generator/generator_fields.hpp"
#include "generator/twiss.hpp"

#include <string>
#include <variant>

namespace zelkor {

// One generated ion as the TRIM.DAT line writes it.
struct GeneratedIon {
    double energy = 0.0;  // eV
    double y = 0.0;       // Angstrom
    double z = 0.0;       // Angstrom
    double cosX = 0.0;
    double cosY = 0.0;
    double cosZ = 0.0;
};

// Why an ion could not be generated: the first line of the message.
struct SamplingStop {
    std::string reason;
};

// Draws the ions of one generation from validated parameters, in the order of
// draws that makes a generation reproducible: energy, Y, Z, dY/dX, dZ/dX.
class BeamSampler {
public:
    explicit BeamSampler(const GeneratorParams& params);

    std::variant<GeneratedIon, SamplingStop> next(BeamRandom& random, Progress& progress);

    double referenceMomentum() const { return p0_; }  // eV/c

private:
    GeneratorParams params_;
    double dE_;     // keV
    double p0_;     // eV/c
    double theta_;  // rad
    TwissParameters twissY_;
    TwissParameters twissZ_;
};

// p = m c^2 sqrt(gamma^2 - 1) [eV/c] of an ion of kinetic energy [keV] and mass [u].
double GeneratorMomentum(double energyKeV, double amu);

}  // namespace zelkor
