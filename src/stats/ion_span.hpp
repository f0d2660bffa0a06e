#pragma once

#include "data/particle_set.hpp"

#include <algorithm>
#include <cstddef>
#include <span>

namespace zelkor {

// Records 1..count as a span, cut to the storage so that a pass can never
// read past it (and empty for a set without ions).
inline std::span<const ParticleRecord> Ions(const ParticleSet& set) {
    const std::size_t stored = set.records.empty() ? 0 : set.records.size() - 1;
    const std::size_t count = set.count < 1 ? 0 : std::min(static_cast<std::size_t>(set.count), stored);
    if (count == 0) return {};
    return {set.records.data() + 1, count};
}

inline std::span<ParticleRecord> Ions(ParticleSet& set) {
    const std::span<const ParticleRecord> ions = Ions(static_cast<const ParticleSet&>(set));
    if (ions.empty()) return {};
    return {set.records.data() + 1, ions.size()};
}

}  // namespace zelkor
