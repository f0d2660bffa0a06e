#include "stats/display_range.hpp"
#include "stats/fwhm.hpp"
#include "stats/kernels.hpp"
#include "stats/more_statistics.hpp"
#include "stats/more_statistics_text.hpp"
#include "stats/page_more_statistics.hpp"
#include "stats/stat_test_sets.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace zelkor {
namespace {

using stats_test::Counted;

using stats_test::Select;
using stats_test::SetOfEnergies;

const QuantitySelection kEnergy = Select(QuantityId::KinEnerg);

// The figures by their textbook formulas, in long double, from the values alone.
struct Expected {
    double mean, meanError, sigmaError, median, skewness, kurtosis;
};
Expected ByFormula(std::vector<double> v) {
    const long double n = v.size();
    long double sum = 0;
    for (double x : v) sum += x;
    const long double mean = sum / n;
    long double m2 = 0, m3 = 0, m4 = 0;
    for (double x : v) {
        m2 += std::pow(x - mean, 2) / n;
        m3 += std::pow(x - mean, 3) / n;
        m4 += std::pow(x - mean, 4) / n;
    }
    std::sort(v.begin(), v.end());
    const std::size_t h = v.size() / 2;
    const double median = v.size() % 2 ? v[h] : (v[h - 1] + v[h]) / 2;
    const long double sigma = std::sqrt(m2);
    return {double(mean), double(sigma / std::sqrt(n)),    double(sigma / std::sqrt(2 * (n - 1))),
            median,       double(m3 / std::pow(m2, 1.5L)), double(m4 / (m2 * m2) - 3)};
}

MoreStatistics Compute(const ParticleSet& set, StatScope scope, const std::string& width = "") {
    const StatSummary summary = scope == StatScope::All ? SummarizeAll(set, kEnergy) : SummarizeAccepted(set, kEnergy);
    AppState state;
    state.sourceKind = SourceKind::TransmitTxt;
    return *MoreStatisticsFor(state, set, StatPage::Energy, scope, summary, width).value;
}

void ExpectFigures(const MoreStatistics& more, const Expected& e) {
    EXPECT_NEAR(*more.meanError, e.meanError, 1e-13 * std::fabs(e.meanError));
    EXPECT_NEAR(*more.sigmaError, e.sigmaError, 1e-13 * std::fabs(e.sigmaError));
    EXPECT_EQ(*more.median, e.median);
    EXPECT_NEAR(*more.skewness, e.skewness, 1e-12);
    EXPECT_NEAR(*more.kurtosis, e.kurtosis, 1e-12);
}

TEST(MoreStatistics, FiguresOfKnownSetsEqualTheFormulas) {
    const std::vector<double> skewed = {1, 2, 2, 3, 10};
    MoreStatistics more = Compute(SetOfEnergies(skewed), StatScope::All);
    EXPECT_EQ(more.count, 5);
    ExpectFigures(more, ByFormula(skewed));
    EXPECT_EQ(*more.median, 2.0);

    const std::vector<double> even = {4, -1, 7, 3.5, 0.25, 12};  // median (3.5 + 4) / 2
    more = Compute(SetOfEnergies(even), StatScope::All);
    ExpectFigures(more, ByFormula(even));
    EXPECT_EQ(*more.median, 3.75);

    // Large values with a small spread: the deviations, not the values, carry the moments.
    std::vector<double> uniform;
    for (int i = 1; i <= 1000; ++i) uniform.push_back(1.0e6 + i);
    more = Compute(SetOfEnergies(uniform), StatScope::All);
    ExpectFigures(more, ByFormula(uniform));
    EXPECT_NEAR(*more.skewness, 0.0, 1e-9);
    EXPECT_NEAR(*more.kurtosis, -1.2, 1e-5);
}

TEST(MoreStatistics, AcceptedScopeTakesOnlyTheAcceptedIons) {
    ParticleSet set = SetOfEnergies({100, 1, 2, 2, 3, 10, -50});
    set.record(1).accepted = 0;
    set.record(7).accepted = 0;
    const MoreStatistics more = Compute(set, StatScope::Accepted);
    EXPECT_EQ(more.count, 5);
    ExpectFigures(more, ByFormula({1, 2, 2, 3, 10}));

    for (int i = 1; i <= set.count; ++i) set.record(i).accepted = 0;
    const MoreStatistics none = Compute(set, StatScope::Accepted);
    EXPECT_EQ(none.count, 0);
    EXPECT_FALSE(none.meanError || none.sigmaError || none.median || none.fwhm || none.skewness || none.kurtosis);
}

TEST(MoreStatistics, UndefinedWhereAFigureHasNoValue) {
    const MoreStatistics single = Compute(SetOfEnergies({7}), StatScope::All);
    EXPECT_EQ(*single.meanError, 0.0);
    EXPECT_EQ(*single.median, 7.0);
    EXPECT_FALSE(single.sigmaError || single.skewness || single.kurtosis || single.fwhm);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const MoreStatistics withNan = Compute(SetOfEnergies({1, nan, 3}), StatScope::All);
    EXPECT_FALSE(withNan.median);
}

TEST(MoreStatistics, FwhmHistogramCountsAsTheProgramDoes) {
    std::mt19937 random(7);
    std::normal_distribution<double> normal(5.0e6, 1.0e5);
    std::vector<double> energies(20000);
    for (double& e : energies) e = normal(random);
    ParticleSet set = SetOfEnergies(energies);
    for (int i = 1; i <= set.count; i += 3) set.record(i).accepted = 0;
    const MoreStatistics more = Compute(set, StatScope::Accepted);
    const Histogram& h = more.histogram;
    EXPECT_EQ(h.intervalCount, 101);
    EXPECT_EQ(h.counts, CountIntervals(set, kEnergy, h.start, h.width, h.intervalCount));
    // A Gaussian's FWHM is 2 sqrt(2 ln 2) sigma; 13000 ions in 101 intervals read it to a few per cent.
    EXPECT_NEAR(*more.fwhm, 2.3548 * 1.0e5, 0.05 * 2.3548e5);
}

// The median is selected within the histogram's intervals: it must not
// depend on which intervals, nor on values lying outside all of them or on
// their edges (every other value below lies on an edge of 1/4-wide intervals
// starting at an odd multiple of 1/8, the median 0.125 too), nor on the two
// middle values of an even count lying in two intervals (0.125 and 0.25 of
// the 1/2-wide intervals from -1.25).
TEST(MoreStatistics, MedianWhateverTheHistogram) {
    std::mt19937 random(3);
    for (const int first : {-500, -499}) {
        std::vector<double> values;
        for (int k = first; k <= 500; ++k) values.push_back(k / 8.0 + 0.125);
        std::shuffle(values.begin(), values.end(), random);
        const ParticleSet set = SetOfEnergies(values);
        const StatSummary summary = SummarizeAll(set, kEnergy);
        const double expected = ByFormula(values).median;
        EXPECT_EQ(expected, first == -500 ? 0.125 : 0.1875);
        for (const auto& [range, width] :
             {std::pair{DisplayRange{-1.125, 1.125}, 0.25}, std::pair{DisplayRange{1.125, 2.125}, 0.25},
              std::pair{DisplayRange{-80, 80}, 0.25}, std::pair{DisplayRange{-1.25, 1.25}, 0.5}}) {
            const Histogram plan = PlanIntervals(range, width).histogram;
            EXPECT_EQ(*ComputeMoreStatistics(set, kEnergy, StatScope::All, summary, plan).median, expected);
        }
        EXPECT_EQ(*ComputeMoreStatistics(set, kEnergy, StatScope::All, summary, Histogram{}).median, expected);
    }
}

TEST(Fwhm, InterpolatesBetweenIntervalCentres) {
    // Half of 10 is crossed between centres 1.5 (2) and 2.5 (6): at 2.25, and at 4.75 on the right.
    EXPECT_DOUBLE_EQ(*FullWidthAtHalfMaximum(Counted({0, 2, 6, 10, 6, 2, 0})), 2.5);
    // Exactly half counts as above: the crossing lies beyond it.
    EXPECT_DOUBLE_EQ(*FullWidthAtHalfMaximum(Counted({0, 5, 10, 4, 0}, 0.0, 2.0)), (7.0 - 2.0 / 6.0) - 3.0);
    // The first of two equal peaks; a dip below half beside the peak ends that side.
    EXPECT_DOUBLE_EQ(*FullWidthAtHalfMaximum(Counted({1, 8, 3, 8, 1})), (2.5 - 1.0 / 5.0) - (0.5 + 3.0 / 7.0));
}

TEST(Fwhm, UndefinedWithoutACrossingOnEachSide) {
    EXPECT_FALSE(FullWidthAtHalfMaximum(Counted({10, 4, 0})));
    EXPECT_FALSE(FullWidthAtHalfMaximum(Counted({0, 6, 10})));
    EXPECT_FALSE(FullWidthAtHalfMaximum(Counted({0, 0, 0})));
    EXPECT_FALSE(FullWidthAtHalfMaximum(Counted({})));
    EXPECT_FALSE(FullWidthAtHalfMaximum(Counted({3})));
}

TEST(PageMoreStatistics, TypedWidthIsCheckedAsDataChecksIt) {
    const ParticleSet set = SetOfEnergies({1, 2, 3, 10});
    const StatSummary summary = SummarizeAll(set, kEnergy);
    AppState state;
    state.sourceKind = SourceKind::TransmitTxt;
    const auto run = [&](const char* width) {
        return MoreStatisticsFor(state, set, StatPage::Energy, StatScope::All, summary, width);
    };
    // Range -2 .. 10 (symmetric about the mean 4): width 1 gives 13 intervals.
    EXPECT_EQ(run("1").value->histogram.intervalCount, 13);
    EXPECT_EQ(run("1").value->histogram.start, -2.5);
    EXPECT_EQ(run("0.01").refusal->text,
              "Value Range of interval is too low\nNumber of intervals is: 1201\n"
              "Number of intervals must be >= 1 and <= 1001");
    EXPECT_EQ(run("12.5").refusal->caption, "Warning");
    EXPECT_EQ(run("abc").refusal->text, "Value Range of interval must be real number > 0");

    // All ions equal: the default width is 0, which plans nothing; the FWHM is undefined, nothing refused.
    const ParticleSet flat = SetOfEnergies({5, 5, 5});
    const auto same = MoreStatisticsFor(state, flat, StatPage::Energy, StatScope::All, SummarizeAll(flat, kEnergy), "");
    ASSERT_TRUE(same.ok());
    EXPECT_FALSE(same.value->fwhm);
    EXPECT_EQ(*same.value->median, 5.0);
}

TEST(MoreStatisticsText, RowsInThePageFormat) {
    MoreStatistics more;
    more.meanError = 0.5;
    more.sigmaError = 0.25;
    more.median = 1500;
    more.skewness = -0.125;
    more.kurtosis = 3;
    EXPECT_EQ(BuildMoreStatisticsRows(StatPage::Energy, more, QuantityId::KinEnerg, 1),
              (MoreStatisticsRows{"Error of E(str) = 5.000000E-01 keV", "Error of sigma = 2.500000E-01 keV",
                                  "E(median) = 1.500000E+03 keV", "FWHM = undefined", "Skewness = -1.250000E-01",
                                  "Excess kurtosis = 3.000000E+00"}));
    EXPECT_EQ(BuildMoreStatisticsRows(StatPage::Angle, more, QuantityId::dYdX, 1)[2],
              "dY/dX(median) = 1500.0000000000 mrad");
}

}  // namespace
}  // namespace zelkor
