#pragma once

#include "data/particle_set.hpp"

namespace zelkor::bench {

// A deterministic set of transmitted ions with the spreads of a real beam
// (5 MeV +- a few %, positions around a micrometre, cosines near 1).
ParticleSet MakeBenchSet(int count);

} // namespace zelkor::bench
