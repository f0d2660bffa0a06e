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

// count random ions of a real beam's spread, salted with what formatting and
// summing find awkward: negative zeros, tiny (subnormal) and huge values,
// equal values, cosines of exactly 0 and 1; about one in five rejected.
ParticleSet AwkwardSet(int count, unsigned seed);

// Passes shared out as given (e.g. three runs of two ions) while it lives.
class ScopedPassThreads {
public:
    ScopedPassThreads(unsigned threads, std::size_t minimumItems);
    ~ScopedPassThreads();
    ScopedPassThreads(const ScopedPassThreads&) = delete;
    ScopedPassThreads& operator=(const ScopedPassThreads&) = delete;
};

}  // namespace zelkor::test
