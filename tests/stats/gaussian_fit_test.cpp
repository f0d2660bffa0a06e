#include "stats/display_range.hpp"
#include "stats/fit/fit_gaussian.hpp"
#include "stats/gaussian_fit.hpp"
#include "stats/kernels.hpp"
#include "stats/stat_test_sets.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace zelkor {
namespace {

using stats_test::Counted;

// Fitted independently by tests/stats/fit_reference.py (scipy's MINPACK
// least squares, weights 1 / count, empty intervals left out).
TEST(GaussianFit, FixedHistogramEqualsTheReferenceFit) {
    if (!GaussianFitAvailable()) GTEST_SKIP() << "built without GSL";
    const Histogram h = Counted({0, 1, 0, 3, 5, 12, 20, 35, 51, 62, 70, 58, 49, 33, 21, 10, 6, 2, 1, 0, 1}, -5.25, 0.5);
    const GaussianFit fit = FitGaussian(h);
    ASSERT_EQ(fit.status, FitStatus::Converged);
    // Two minimisers stop within a millionth of an error of each other.
    EXPECT_NEAR(fit.amplitude.value, 65.3666742037, 1e-6);
    EXPECT_NEAR(fit.mean.value, -0.0234436519078, 1e-7);
    EXPECT_NEAR(fit.sigma.value, 1.33771896945, 1e-7);
    EXPECT_NEAR(fit.amplitude.error, 3.92342730527, 1e-6);
    EXPECT_NEAR(fit.mean.error, 0.0647169823131, 1e-7);
    EXPECT_NEAR(fit.sigma.error, 0.0496427293346, 1e-7);
    EXPECT_NEAR(fit.chiSquare, 2.73191339015, 1e-7);
    EXPECT_EQ(fit.intervalsWithIons, 18);
    EXPECT_EQ(fit.degreesOfFreedom, 15);
}

// Many samples of one Gaussian, each counted over mean -+ 3 sigma (as the
// Zoom display shows it) in intervals of sigma / 4, every one holding ions
// enough for its Poisson weight: each fit lies within its errors of the
// truth, and the errors are the true scatter of the fitted values. (With
// intervals of a few ions, as in the far tails of the default 101, the
// 1 / count weights pull sigma low, as every such chi-square fit does.)
TEST(GaussianFit, RecoversSyntheticGaussiansWithinTheirErrors) {
    if (!GaussianFitAvailable()) GTEST_SKIP() << "built without GSL";
    constexpr double kMean = 5.0e6, kSigma = 1.2e5;
    constexpr int kRuns = 40;
    const QuantitySelection energy = stats_test::Select(QuantityId::KinEnerg);
    double meanPulls = 0.0, sigmaPulls = 0.0;
    for (int seed = 1; seed <= kRuns; ++seed) {
        std::mt19937 random(static_cast<unsigned>(seed));
        std::normal_distribution<double> normal(kMean, kSigma);
        std::vector<double> energies(20000);
        for (double& e : energies) e = normal(random);
        const ParticleSet set = test::SetOfEnergies(energies);
        const DisplayRange range{kMean - 3 * kSigma, kMean + 3 * kSigma};
        Histogram h = PlanIntervals(range, kSigma / 4).histogram;
        CountHistogram(set, energy, h);

        const GaussianFit fit = FitGaussian(h);
        ASSERT_EQ(fit.status, FitStatus::Converged) << "seed " << seed;
        const double meanPull = (fit.mean.value - kMean) / fit.mean.error;
        const double sigmaPull = (fit.sigma.value - kSigma) / fit.sigma.error;
        EXPECT_LT(std::fabs(meanPull), 3.5) << "seed " << seed;
        EXPECT_LT(std::fabs(sigmaPull), 3.5) << "seed " << seed;
        meanPulls += meanPull * meanPull;
        sigmaPulls += sigmaPull * sigmaPull;
    }
    EXPECT_NEAR(std::sqrt(meanPulls / kRuns), 1.0, 0.3);
    EXPECT_NEAR(std::sqrt(sigmaPulls / kRuns), 1.0, 0.3);
}

TEST(GaussianFit, RefusalsSayWhy) {
    const GaussianFit tooFew = FitGaussian(Counted({0, 4, 9, 0, 3, 0}, 0.0, 1.0));
    if (!GaussianFitAvailable()) {
        EXPECT_EQ(tooFew.status, FitStatus::NotAvailable);
        EXPECT_EQ(FitRefusal(tooFew)->text, "The Gaussian fit is not available in this build");
        return;
    }
    ASSERT_EQ(tooFew.status, FitStatus::TooFewIntervals);
    EXPECT_EQ(*FitRefusal(tooFew), WarningMessage("Too few intervals hold ions for a Gaussian fit\n"
                                                  "Number of intervals with ions is: 3\n"
                                                  "Number of intervals with ions must be >= 4"));
    GaussianFit notConverged;
    notConverged.status = FitStatus::NotConverged;
    EXPECT_EQ(FitRefusal(notConverged)->text, "The Gaussian fit does not converge\nTry another Range of interval");
    notConverged.status = FitStatus::Converged;
    EXPECT_FALSE(FitRefusal(notConverged));
}

TEST(GaussianFit, LinesInThePageFormat) {
    GaussianFit fit;
    fit.status = FitStatus::Converged;
    fit.amplitude = {120.5, 2.25};
    fit.mean = {3.5, 0.125};
    fit.sigma = {1.5, 0.0625};
    fit.chiSquare = 17.5;
    fit.degreesOfFreedom = 14;
    const auto lines = GaussianFitLines(StatPage::Position, QuantityId::PosY, 2, fit);
    EXPECT_EQ(lines[0], "Amplitude = 1.205000E+02 +- 2.250000E+00 ions");
    EXPECT_EQ(lines[1], "Mean = 3.500000E+00 +- 1.250000E-01 um");
    EXPECT_EQ(lines[2], "Sigma = 1.500000E+00 +- 6.250000E-02 um");
    EXPECT_EQ(lines[3], "chi2 / ndf = 1.750000E+01 / 14");
}

}  // namespace
}  // namespace zelkor
