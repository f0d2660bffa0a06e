#pragma once

#include "generator/beam_random.hpp"

#include <cstdint>

namespace zelkor::generator_test {

// A source whose draw number `draw` (1-based) is the uniform variate
// k / 10000019: the state is walked back from one whose raw value is k
// through the inverse of the generator's step.
inline BeamRandom SourceWithUniformAtDraw(int draw, std::uint32_t k) {
    std::uint64_t inverse = BeamRandom::kMultiplier;  // Newton: correct to 2^64 after five rounds
    for (int i = 0; i < 5; ++i) inverse *= 2 - BeamRandom::kMultiplier * inverse;
    std::uint64_t state = static_cast<std::uint64_t>(k) << 32;
    for (int i = 0; i < draw; ++i) state = (state - 1) * inverse;
    return BeamRandom(state);
}

inline BeamRandom SourceWithZeroAtDraw(int draw) { return SourceWithUniformAtDraw(draw, 0); }

}  // namespace zelkor::generator_test
