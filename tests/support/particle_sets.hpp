#pragma once

#include "data/particle_set.hpp"

#include <vector>

namespace zelkor::test {

// Records 1..n as given, all accepted unless a record says otherwise. The
// storage has one spare slot after them (and slot 0) holding nan, which no
// pass may read.
ParticleSet SetOfRecords(const std::vector<ParticleRecord>& records);

// A set whose records 1..n carry the given energies (eV), as SetOfRecords.
ParticleSet SetOfEnergies(const std::vector<double>& energies);

// A set of count accepted records with simple distinct values in every field.
ParticleSet MakeSet(int count);

}  // namespace zelkor::test
