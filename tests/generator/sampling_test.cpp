#include "generator/sampling.hpp"

#include "generator/random_positioning.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

namespace zelkor {
namespace {

TEST(Sampling, GaussianCentredStaysWithinItsTotal) {
    BeamRandom random;
    for (int i = 0; i < 2000; ++i) {
        const auto v = SampleGaussianCentred(random, 0.5, 1.0);
        ASSERT_TRUE(v.has_value());
        EXPECT_LE(std::fabs(*v), 0.5);
    }
}

TEST(Sampling, UniformSymmetricCoversMinusTotalUpToTotal) {
    BeamRandom edge = generator_test::SourceWithZeroAtDraw(1);
    EXPECT_EQ(SampleUniformSymmetric(edge, 2.5), -2.5);
    BeamRandom random;
    for (int i = 0; i < 2000; ++i) {
        const double v = SampleUniformSymmetric(random, 2.5);
        EXPECT_GE(v, -2.5);
        EXPECT_LT(v, 2.5);
    }
}

TEST(Sampling, EnergyWithoutSpreadIsTheNominalEnergy) {
    BeamRandom random;
    EXPECT_EQ(SampleEnergy(random, 100.0, 0.0, 2.0), 100.0);
    for (int i = 0; i < 1000; ++i) {
        const double e = *SampleEnergy(random, 100.0, 1.0, 2.0);
        EXPECT_GE(e, 99.0);
        EXPECT_LE(e, 101.0);
    }
}

TEST(Sampling, GaussianBetweenStaysInItsWindow) {
    BeamRandom random;
    for (int i = 0; i < 2000; ++i) {
        const double v = *SampleGaussianBetween(random, 3.0, 1.0, 5.0);
        EXPECT_GE(v, 1.0);
        EXPECT_LE(v, 3.0);
    }
    const double mid = *SampleGaussianBetween(random, 3.0, 1.0, 1e-9);
    EXPECT_NEAR(mid, 2.0, 1e-7);
}

TEST(Sampling, AWindowOfOneValueGivesThatValueWithoutADraw) {
    BeamRandom random;
    const std::uint64_t before = random.state();
    EXPECT_EQ(SampleGaussianBetween(random, -1.25, -1.25, 0.3), -1.25);
    EXPECT_EQ(random.state(), before);
}

TEST(Sampling, AWindowThatIsNoIntervalHasNoValue) {
    BeamRandom random;
    const std::uint64_t before = random.state();
    EXPECT_FALSE(SampleGaussianBetween(random, 1.0, 2.0, 0.3).has_value());
    EXPECT_FALSE(SampleGaussianBetween(random, std::nan(""), 2.0, 0.3).has_value());
    EXPECT_EQ(random.state(), before);
}

TEST(Sampling, HopelessRetriesGiveUp) {
    // A sigma 1e300 times wider than the band would otherwise never end.
    BeamRandom random;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(SampleGaussianCentred(random, 1e-300, 1.0).has_value());
    EXPECT_FALSE(SampleEnergy(random, 1.0, 1e-300, 1e-300).has_value());
    EXPECT_FALSE(SampleGaussianBetween(random, 1e-300, 0.0, 1.0).has_value());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST(Sampling, UniformBetweenIsLowerPlusWidthTimesU) {
    BeamRandom random;
    EXPECT_EQ(SampleUniformBetween(random, 4.0, 2.0), 2.0 + (4.0 - 2.0) * (181870.0 / 10000019));
}

}  // namespace
}  // namespace zelkor
