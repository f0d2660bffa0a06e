#pragma once

#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "data/source_kind.hpp"
#include "optics/phase_space.hpp"

#include <array>
#include <string>

namespace zelkor {

// (1 / N) * sum over all ions of (a_i - mean(a)) * (b_i - mean(b)): the
// population moment in two passes, accepted flags ignored. An empty set has
// no spread: 0.
double CentralMoment(const ParticleSet& set, SourceKind kind, PhaseCoordinate a, PhaseCoordinate b);

// Rows and columns in the order Y, Y', Z, Z'; entry[r][c] = CentralMoment(r, c).
struct SigmaMatrix {
    std::array<std::array<double, 4>, 4> entry{};
};

// The sixteen entries, bit for bit what sixteen CentralMoment calls give, in
// two passes over the set. Progress advances by 6 after each of the first
// fifteen entries and by 10 after the last; it yields after every ion.
SigmaMatrix ComputeSigmaMatrix(const ParticleSet& set, SourceKind kind, Progress& progress = NoProgress());

// One entry as its edit shows it ("%.7lE").
std::string FormatSigmaEntry(double value);

}  // namespace zelkor
