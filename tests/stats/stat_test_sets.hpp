#pragma once

#include "data/particle_set.hpp"
#include "support/counting_progress.hpp"
#include "support/particle_sets.hpp"
#include "stats/quantity_selection.hpp"

#include <bit>
#include <cstdint>
#include <vector>

namespace zelkor::stats_test {

using test::SetOfEnergies;
using test::SetOfRecords;

inline QuantitySelection Select(QuantityId quantity, int unitCode = 0, SourceKind kind = SourceKind::TransmitTxt) {
    return {quantity, unitCode, kind, 1, 1.0};
}

inline std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

std::vector<std::uint8_t> Flags(const ParticleSet& set);
void SetFlags(ParticleSet& set, const std::vector<std::uint8_t>& flags);

using PassProgress = test::CountingProgress;

}  // namespace zelkor::stats_test
