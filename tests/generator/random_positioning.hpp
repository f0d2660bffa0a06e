#pragma once

#include "generator/beam_random.hpp"

#include <cstdint>

namespace zelkor::generator_test {

// A source whose draw number `draw` (1-based) is the uniform variate 0: the
// state is walked back from 0 through the inverse of the generator's step.
inline BeamRandom SourceWithZeroAtDraw(int draw) {
    std::uint64_t inverse = BeamRandom::kMultiplier;  // Newton: correct to 2^64 after five rounds
    for (int i = 0; i < 5; ++i) inverse *= 2 - BeamRandom::kMultiplier * inverse;
    std::uint64_t state = 0;
    for (int i = 0; i < draw; ++i) state = (state - 1) * inverse;
    return BeamRandom(state);
}

} // namespace zelkor::generator_test
