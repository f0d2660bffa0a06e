#pragma once

#include "data/particle_set.hpp"
#include "support/counting_progress.hpp"
#include "support/particle_sets.hpp"
#include "stats/histogram.hpp"
#include "stats/quantity_selection.hpp"

#include <bit>
#include <cstdint>
#include <vector>

namespace zelkor::stats_test {

using test::SetOfEnergies;
using test::SetOfRecords;

// A histogram of the given counts, intervals starting at start.
inline Histogram Counted(std::vector<int> counts, double start = 0.0, double width = 1.0) {
    Histogram h;
    h.intervalCount = static_cast<int>(counts.size());
    h.start = start;
    h.width = width;
    h.counts = std::move(counts);
    return h;
}

inline QuantitySelection Select(QuantityId quantity, int unitCode = 0, SourceKind kind = SourceKind::TransmitTxt) {
    return {quantity, unitCode, kind, 1, 1.0};
}

inline std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

std::vector<std::uint8_t> Flags(const ParticleSet& set);
void SetFlags(ParticleSet& set, const std::vector<std::uint8_t>& flags);

using PassProgress = test::CountingProgress;

}  // namespace zelkor::stats_test
