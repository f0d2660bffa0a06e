#pragma once

#include "data/particle_record.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace zelkor {

// The eight numbers of a record in their order, to be measured all at once
// in a loop of fixed length.
inline constexpr std::size_t kRecordFields = 8;
using FieldValues = std::array<double, kRecordFields>;

inline FieldValues FieldValuesOf(const ParticleRecord& r) {
    return {r.energy, r.x, r.y, r.z, r.cos_x, r.cos_y, r.cos_z, r.momentum};
}

// The place of a field in FieldValues.
inline std::size_t FieldIndexOf(double ParticleRecord::*field) {
    constexpr std::array<double ParticleRecord::*, kRecordFields> kOrder{
        &ParticleRecord::energy, &ParticleRecord::x,     &ParticleRecord::y,     &ParticleRecord::z,
        &ParticleRecord::cos_x,  &ParticleRecord::cos_y, &ParticleRecord::cos_z, &ParticleRecord::momentum};
    return static_cast<std::size_t>(std::find(kOrder.begin(), kOrder.end(), field) - kOrder.begin());
}

// What the printed width of each number of a set depends on: whether any
// value has its sign bit set, the largest magnitude and the smallest
// magnitude above zero. Each is a maximum, a minimum or an "or", so parts
// measured apart combine to the same result in any order.
struct FieldExtents {
    std::array<std::uint64_t, kRecordFields> signs{};  // the bits of every value, or-ed
    FieldValues largest{};
    FieldValues smallestPositive{};

    FieldExtents() { smallestPositive.fill(std::numeric_limits<double>::infinity()); }

    void take(const FieldValues& values) {
        for (std::size_t k = 0; k < kRecordFields; ++k) {
            std::uint64_t bits = 0;
            std::memcpy(&bits, &values[k], sizeof bits);
            signs[k] |= bits;
            const double magnitude = std::fabs(values[k]);
            largest[k] = std::max(largest[k], magnitude);
            const double positive = magnitude > 0.0 ? magnitude : std::numeric_limits<double>::infinity();
            smallestPositive[k] = std::min(smallestPositive[k], positive);
        }
    }
    void take(const FieldExtents& other) {
        for (std::size_t k = 0; k < kRecordFields; ++k) {
            signs[k] |= other.signs[k];
            largest[k] = std::max(largest[k], other.largest[k]);
            smallestPositive[k] = std::min(smallestPositive[k], other.smallestPositive[k]);
        }
    }
    bool negative(std::size_t k) const { return (signs[k] >> 63) != 0; }
};

}  // namespace zelkor
