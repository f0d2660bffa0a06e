#include "generator/beam_random.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace zelkor {
namespace {

TEST(BeamRandom, FirstUniformVariatesAfterStart) {
    BeamRandom random;
    for (double k : {181870.0, 2583331.0, 5665357.0, 6820861.0}) EXPECT_EQ(random.uniform(), k / 10000019);
}

TEST(BeamRandom, RawValueIsBitsThirtyTwoToSixtyTwoOfTheNewState) {
    BeamRandom random;
    const std::uint64_t next = 22695478ull * 1486058704437ull + 1;
    EXPECT_EQ(random.nextRaw(), static_cast<std::uint32_t>((next >> 32) & 0x7FFFFFFF));
    EXPECT_EQ(random.state(), next);
}

TEST(BeamRandom, NormalUsesOnePairAndOnlyTheSine) {
    BeamRandom random;
    const double u1 = 181870.0 / 10000019, u2 = 2583331.0 / 10000019;
    EXPECT_EQ(random.normal(), std::sqrt(-2.0 * std::log(u1)) * std::sin(6.283185307179586 * u2));
    const double u3 = 5665357.0 / 10000019, u4 = 6820861.0 / 10000019;
    EXPECT_EQ(random.normal(), std::sqrt(-2.0 * std::log(u3)) * std::sin(6.283185307179586 * u4));
}

TEST(BeamRandom, ASourceResumedFromAStateContinuesTheSequence) {
    BeamRandom first;
    first.uniform();
    BeamRandom resumed(first.state());
    for (int i = 0; i < 5; ++i) EXPECT_EQ(first.nextRaw(), resumed.nextRaw());
}

}  // namespace
}  // namespace zelkor
