// The statistics read costly quantities from a column filled on several
// threads, and count histograms in runs: every result must equal, bit for
// bit, the loops over QuantityValue in index order that the kernels are.
#include "data/run_on_threads.hpp"
#include "state/app_state.hpp"
#include "state/load_file.hpp"
#include "stats/display_range.hpp"
#include "stats/histogram.hpp"
#include "stats/ion_span.hpp"
#include "stats/kernels.hpp"
#include "stats/more_statistics.hpp"
#include "stats/quantity_value.hpp"
#include "stats/sigma_filter.hpp"
#include "stats/stat_test_sets.hpp"
#include "stats/value_column.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace zelkor {
namespace {

using stats_test::Bits;

// The kernels as plain loops: v(1) as the start of min and max, strict
// comparisons, sums from 0 in index order, two passes for a dispersion.
StatSummary ReferenceSummary(const ParticleSet& set, const QuantitySelection& s, bool acceptedOnly) {
    double sumAll = 0.0, sum = 0.0;
    int n = 0;
    for (int i = 1; i <= set.count; ++i) sumAll += QuantityValue(set.record(i), s);
    const double meanAll = sumAll / set.count;
    StatSummary r;
    r.min = r.max = acceptedOnly ? meanAll : QuantityValue(set.record(1), s);
    for (int i = 1; i <= set.count; ++i) {
        if (acceptedOnly && set.record(i).accepted != 1) continue;
        const double v = QuantityValue(set.record(i), s);
        if (v < r.min) r.min = v;
        if (v > r.max) r.max = v;
        sum += v;
        ++n;
    }
    r.mean = n == 0 ? 0.0 : sum / n;
    double squares = 0.0;
    for (int i = 1; i <= set.count; ++i) {
        if (acceptedOnly && set.record(i).accepted != 1) continue;
        const double d = QuantityValue(set.record(i), s) - r.mean;
        squares += d * d;
    }
    r.dispersion = n == 0 ? 0.0 : squares / n;
    r.sigma = std::sqrt(r.dispersion);
    return r;
}

void ExpectSameBits(const StatSummary& a, const StatSummary& b) {
    EXPECT_EQ(Bits(a.min), Bits(b.min));
    EXPECT_EQ(Bits(a.max), Bits(b.max));
    EXPECT_EQ(Bits(a.mean), Bits(b.mean));
    EXPECT_EQ(Bits(a.dispersion), Bits(b.dispersion));
    EXPECT_EQ(Bits(a.sigma), Bits(b.sigma));
}

std::vector<QuantitySelection> EveryQuantity() {
    std::vector<QuantitySelection> all;
    for (int q = 0; q <= static_cast<int>(QuantityId::dZdX); ++q)
        for (const SourceKind kind : {SourceKind::TransmitTxt, SourceKind::WinAgile})
            all.push_back({static_cast<QuantityId>(q), 2, kind, 4, 4.0015});
    return all;
}

class ValueColumns : public testing::Test {
protected:
    // Runs of 7 ions on three threads.
    test::ScopedPassThreads split{3, 7};
    ParticleSet set = test::AwkwardSet(1001, 11);
};

// Alone, and within a run of passes, where every quantity is read from a column.
TEST_F(ValueColumns, KernelsGiveTheBitsOfTheLoops) {
    for (const bool inARun : {false, true}) {
        std::optional<ReuseColumns> reuse;
        if (inARun) reuse.emplace();
        for (const QuantitySelection& s : EveryQuantity()) {
            SCOPED_TRACE(static_cast<int>(s.quantity));
            ExpectSameBits(SummarizeAll(set, s), ReferenceSummary(set, s, false));
            ExpectSameBits(SummarizeAccepted(set, s), ReferenceSummary(set, s, true));
            const StatSummary all = ReferenceSummary(set, s, false);
            EXPECT_EQ(Bits(MinAll(set, s)), Bits(all.min));
            EXPECT_EQ(Bits(DispersionAll(set, s)), Bits(all.dispersion));
            EXPECT_EQ(Bits(DispersionAccepted(set, s)), Bits(ReferenceSummary(set, s, true).dispersion));
        }
    }
}

TEST_F(ValueColumns, TheExampleFilesGiveTheBitsOfTheLoops) {
    for (const auto& [kind, name] :
         {std::pair{SourceKind::TransmitTxt, "transmit-sample.txt"}, std::pair{SourceKind::TrimDat, "trim-sample.dat"},
          std::pair{SourceKind::WinAgile, "winagile-sample.pnt"}}) {
        AppState state;
        ParticleSet example;
        LoadParticleFile(kind, std::filesystem::path(ZELKOR_EXAMPLES_DIR) / name, state, example);
        ASSERT_GT(example.count, 10) << name;
        for (int q = 0; q <= static_cast<int>(QuantityId::dZdX); ++q) {
            const QuantitySelection s{static_cast<QuantityId>(q), 1, kind, 4, 4.0015};
            ExpectSameBits(SummarizeAll(example, s), ReferenceSummary(example, s, false));
        }
    }
}

TEST_F(ValueColumns, HistogramCountsAreThoseOfTheAccumulatedEdges) {
    int counted = 0;
    for (const QuantitySelection& s : EveryQuantity()) {
        SCOPED_TRACE(static_cast<int>(s.quantity));
        const StatSummary all = ReferenceSummary(set, s, false);
        if (!std::isfinite(all.min) || !std::isfinite(all.max) || !(all.max - all.min < 1e300)) continue;
        const DisplayRange range = SymmetricRange(all.min, all.max, all.mean);
        const IntervalPlanning plan = PlanIntervals(range, range.length() / 60.5);
        ASSERT_EQ(plan.status, PlanStatus::Ok);
        const Histogram& h = plan.histogram;
        const std::vector<double> edges = AccumulatedEdges(h.start, h.width, h.intervalCount);
        std::vector<int> expected(edges.size() - 1, 0);
        for (int i = 1; i <= set.count; ++i) {
            const double v = QuantityValue(set.record(i), s);
            for (std::size_t k = 0; k + 1 < edges.size(); ++k)
                if (set.record(i).accepted == 1 && edges[k] <= v && v < edges[k] + h.width) ++expected[k];
        }
        test::CountingProgress progress;
        EXPECT_EQ(CountIntervals(set, s, h.start, h.width, h.intervalCount, progress), expected);
        EXPECT_EQ(progress.advanced, 100);
        ++counted;
    }
    EXPECT_GE(counted, 4);
}

// The moment ratios and the median of a scope as plain loops over its values.
struct ReferenceMore {
    double skewness, kurtosis, median;
};
ReferenceMore ReferenceMoreOf(const ParticleSet& set, const QuantitySelection& s, bool acceptedOnly,
                              const StatSummary& summary) {
    std::vector<double> values;
    double cubes = 0.0, fourths = 0.0;
    for (int i = 1; i <= set.count; ++i) {
        if (acceptedOnly && set.record(i).accepted != 1) continue;
        const double v = QuantityValue(set.record(i), s);
        values.push_back(v);
        const double d = v - summary.mean;
        cubes += d * d * d;
        fourths += d * d * (d * d);
    }
    const double n = static_cast<double>(values.size());
    std::sort(values.begin(), values.end());
    const std::size_t h = values.size() / 2;
    const double median = values.size() % 2 ? values[h] : (values[h - 1] + values[h]) * 0.5;
    const double m2 = summary.dispersion;
    return {cubes / n / std::pow(m2, 1.5), fourths / n / (m2 * m2) - 3.0, median};
}

TEST_F(ValueColumns, FilterAndMoreStatisticsGiveTheBitsOfTheLoops) {
    // Without the energies and cosines whose moments overflow or have no angle
    // (zeros and the tiniest numbers stay): every figure has a value.
    for (int i = 1; i <= set.count; ++i) {
        ParticleRecord& r = set.record(i);
        r.energy = 5.0e6 + (i * 7919 % 1001) * 0.5;
        if (std::fabs(r.cos_y) > 0.1) r.cos_y = 0.01;
        if (std::fabs(r.y) > 1.0e6) r.y = 1.0;
        if (std::fabs(r.z) > 1.0e6) r.z = -1.0;
    }
    for (const QuantitySelection& s : {QuantitySelection{QuantityId::AngY, 0, SourceKind::TransmitTxt, 1, 1.0},
                                       QuantitySelection{QuantityId::PosYZ, 3, SourceKind::TransmitTxt, 1, 1.0},
                                       QuantitySelection{QuantityId::KinEnerg, 1, SourceKind::TransmitTxt, 1, 1.0}}) {
        SCOPED_TRACE(static_cast<int>(s.quantity));
        const StatSummary all = ReferenceSummary(set, s, false);
        ParticleSet filtered = set;
        ApplySigmaFilter(filtered, s, 1.5);
        for (int i = 1; i <= set.count; ++i) {
            const double v = QuantityValue(set.record(i), s);
            const bool in = all.mean - 1.5 * all.sigma <= v && v <= all.mean + 1.5 * all.sigma;
            ASSERT_EQ(filtered.record(i).accepted, in ? 1 : 0) << i;
        }
        const Histogram plan = PlanIntervals(SymmetricRange(all.min, all.max, all.mean), all.sigma / 7).histogram;
        for (const StatScope scope : {StatScope::All, StatScope::Accepted}) {
            const bool acceptedOnly = scope == StatScope::Accepted;
            const StatSummary summary = ReferenceSummary(filtered, s, acceptedOnly);
            const ReferenceMore expected = ReferenceMoreOf(filtered, s, acceptedOnly, summary);
            const MoreStatistics parallel = ComputeMoreStatistics(filtered, s, scope, summary, plan);
            ASSERT_TRUE(parallel.skewness && parallel.kurtosis && parallel.median);
            EXPECT_EQ(Bits(*parallel.skewness), Bits(expected.skewness));
            EXPECT_EQ(Bits(*parallel.kurtosis), Bits(expected.kurtosis));
            EXPECT_EQ(Bits(*parallel.median), Bits(expected.median));
            ResetPassThreads();
            EXPECT_EQ(parallel.histogram.counts,
                      ComputeMoreStatistics(filtered, s, scope, summary, plan).histogram.counts);
            SetPassThreads({3, 7});
        }
    }
}

TEST_F(ValueColumns, AKeptColumnServesOnlyItsOwnIonsAndSelection) {
    const ReuseColumns reuse;
    const QuantitySelection degrees{QuantityId::AngZ, 0, SourceKind::TransmitTxt, 1, 1.0};
    const QuantitySelection radians{QuantityId::AngZ, 1, SourceKind::TransmitTxt, 1, 1.0};
    const ParticleSet other = test::AwkwardSet(1001, 12);
    for (int round = 0; round < 2; ++round) {
        ExpectSameBits(SummarizeAll(set, degrees), ReferenceSummary(set, degrees, false));
        ExpectSameBits(SummarizeAll(set, radians), ReferenceSummary(set, radians, false));
        ExpectSameBits(SummarizeAll(other, degrees), ReferenceSummary(other, degrees, false));
        ExpectSameBits(SummarizeAccepted(other, degrees), ReferenceSummary(other, degrees, true));
    }
}

// A session's store carries the last angle's column to its next command,
// and only that: the energy per mass may change with the species.
TEST_F(ValueColumns, AStoreKeepsTheLastFixedColumnForTheNextCommand) {
    ColumnStore store;
    const QuantitySelection angle{QuantityId::AngX, 2, SourceKind::TransmitTxt, 1, 1.0};
    const QuantitySelection perMass{QuantityId::EnergA, 0, SourceKind::TransmitTxt, 4, 4.0};
    const std::span<const ParticleRecord> ions = Ions(set);
    {
        const ReuseColumns command(store);
        ExpectSameBits(SummarizeAll(set, angle), ReferenceSummary(set, angle, false));
        ExpectSameBits(SummarizeAll(set, perMass), ReferenceSummary(set, perMass, false));
    }
    {
        const ReuseColumns next(store);
        EXPECT_NE(ReuseColumns::find(ions, angle), nullptr);
        EXPECT_EQ(ReuseColumns::find(ions, perMass), nullptr);
        ExpectSameBits(SummarizeAll(set, angle), ReferenceSummary(set, angle, false));
    }
    ColumnStore copied = store;
    const ReuseColumns fromCopy(copied);
    EXPECT_EQ(ReuseColumns::find(ions, angle), nullptr);
}

}  // namespace
}  // namespace zelkor
