#pragma once

#include "data/particle_set.hpp"
#include "generator/generator_fields.hpp"

#include <filesystem>

namespace zelkor::bench {

// A deterministic set of transmitted ions with the spreads of a real beam
// (5 MeV +- a few %, positions around a micrometre, cosines near 1).
ParticleSet MakeBenchSet(int count);

// That set of ions written once as a TRANSMIT.TXT file of this name in the
// temporary folder, and kept there for later runs.
std::filesystem::path TransmitFile(int ions, const char* name);
// The same, named for the number of ions, in the build folder's bench-data
// (a 10,000,000-ion file is 1.2 GB: made once, never in the sources).
std::filesystem::path TransmitFileOf(int ions);

// The generator's fields for a 1,000,000-ion 20 MeV carbon beam: Gaussian
// positions and slopes in tilted ellipses, energy spread, dispersion, an
// angle of incidence.
GeneratorFields MillionIonBeamFields();

// Resident memory of this process in MB.
double ResidentMegabytes();

}  // namespace zelkor::bench
