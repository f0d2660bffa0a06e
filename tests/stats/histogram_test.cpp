#include "stats/filter_spectrum.hpp"
#include "stats/histogram.hpp"
#include "stats/histogram_text.hpp"
#include "stats/interval_width.hpp"
#include "stats/prepare_histogram.hpp"
#include "stats/quantity_value.hpp"
#include "stats/stat_test_sets.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace zelkor {
namespace {

using stats_test::Select;
using stats_test::SetOfEnergies;

// The counting rule as defined: every interval compared with every record.
std::vector<int> ReferenceCounts(const ParticleSet& set, const QuantitySelection& s, double start, double w, int n) {
    std::vector<int> counts;
    double edge = start;
    for (int k = 1; k <= n; ++k) {
        int count = 0;
        for (int i = 1; i <= set.count; ++i) {
            const double v = QuantityValue(set.record(i), s);
            if (set.record(i).accepted == 1 && edge <= v && v < edge + w) ++count;
        }
        counts.push_back(count);
        edge += w;
    }
    return counts;
}

Histogram Planned(const DisplayRange& range, double w) {
    const IntervalPlanning planning = PlanIntervals(range, w);
    EXPECT_EQ(planning.status, PlanStatus::Ok);
    return planning.histogram;
}

TEST(PlanIntervals, OddCountCentredOnTheRange) {
    const Histogram h = Planned({-2, 10}, 1);
    EXPECT_EQ(h.intervalCount, 13);
    EXPECT_EQ(h.start, -2.5);
    EXPECT_EQ(h.end, 10.5);
    const Histogram one = Planned({-2, 10}, 12);
    EXPECT_EQ(one.intervalCount, 1);
    EXPECT_EQ(one.start, -2.0);
    EXPECT_EQ(one.end, 10.0);

    EXPECT_EQ(PlanIntervals({-2, 10}, 12.5).status, PlanStatus::WidthTooHigh);
    EXPECT_EQ(PlanIntervals({4, 4}, 1e-300).status, PlanStatus::WidthTooHigh);
    const IntervalPlanning tooMany = PlanIntervals({-2, 10}, 0.01);
    EXPECT_EQ(tooMany.status, PlanStatus::CountTooLow);
    EXPECT_EQ(tooMany.histogram.intervalCount, 1201);
    // Beyond the range of an int the refusal stands, and the message shows the true count.
    const IntervalPlanning huge = PlanIntervals({0, 1e300}, 1e-10);
    EXPECT_EQ(huge.status, PlanStatus::CountTooLow);
    EXPECT_EQ(huge.histogram.intervalCount, std::numeric_limits<int>::min());
    const IntervalPlanning wide = PlanIntervals({0, 1}, 1e-10);
    EXPECT_EQ(wide.plannedCount, 10000000001.0);
    EXPECT_NE(IntervalCountTooLowMessage(StatPage::Energy, HistogramView::Table, wide.plannedCount)
                  .text.find("Number of intervals is: 10000000001\n"),
              std::string::npos);
    EXPECT_EQ(PlanIntervals({0, std::nan("")}, 1).status, PlanStatus::CountTooLow);
}

TEST(PlanIntervals, TheDefaultWidthAlwaysGivesOneHundredOneIntervals) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> exponent(-12, 12);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (int i = 0; i < 2000; ++i) {
        const double scale = std::pow(10.0, exponent(random));
        const double a = unit(random) * scale;
        const double b = a + std::fabs(unit(random)) * scale + scale * 1e-9;
        const DisplayRange range{a, b};
        EXPECT_EQ(Planned(range, DefaultIntervalWidth(range)).intervalCount, 101) << a << " " << b;
    }
}

TEST(CountIntervals, TheExampleOfFourIons) {
    const ParticleSet set = SetOfEnergies({1, 2, 3, 10});
    const auto counts = CountIntervals(set, Select(QuantityId::KinEnerg), -2.5, 1, 13);
    EXPECT_EQ(counts, (std::vector<int>{0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1}));
    // One interval [-2, 10): the ion at its end is in none.
    EXPECT_EQ(CountIntervals(set, Select(QuantityId::KinEnerg), -2, 12, 1), (std::vector<int>{3}));
    EXPECT_TRUE(CountIntervals(SetOfEnergies({}), Select(QuantityId::KinEnerg), 0, 1, 3) == std::vector<int>(3));
}

// Values on the accumulated edges, on the last edge, next to them, outside, nan.
double TrickyValue(std::mt19937_64& random, const std::vector<double>& edges, double w) {
    std::uniform_int_distribution<std::size_t> edge(0, edges.size() - 1);
    std::uniform_int_distribution<int> kind(0, 7);
    std::uniform_real_distribution<double> unit(0, 1);
    const double e = edges[edge(random)];
    switch (kind(random)) {
        case 0: return e;
        case 1: return std::nextafter(e, -INFINITY);
        case 2: return std::nextafter(e, INFINITY);
        case 3: return edges.back();
        case 4: return edges.front() + w * unit(random) * 3 - w;
        case 5: return std::numeric_limits<double>::quiet_NaN();
        default: return edges.front() + (edges.back() - edges.front()) * unit(random);
    }
}

TEST(CountIntervals, SameCountsAsComparingWithEveryInterval) {
    std::mt19937_64 random(20240517);
    std::uniform_int_distribution<int> half(0, 500);
    std::uniform_real_distribution<double> unit(-1, 1);
    std::uniform_real_distribution<double> exponent(-8, 8);
    for (int round = 0; round < 120; ++round) {
        const int n = 2 * half(random) + 1;
        double start = unit(random) * std::pow(10.0, exponent(random));
        double w = std::pow(10.0, exponent(random)) * (0.5 + unit(random) * 0.4);
        if (round % 10 == 0) w = 0.1, start = 0.1;         // edges drift from start + k w
        if (round % 10 == 1) start = 1e20, w = 3000;       // edges far apart in ulps: some additions are lost
        if (round % 10 == 2) start = -1e-300, w = 1e-310;  // subnormal steps
        const std::vector<double> edges = AccumulatedEdges(start, w, n);
        std::vector<ParticleRecord> records(400);
        for (std::size_t i = 0; i < records.size(); ++i) {
            records[i].energy = TrickyValue(random, edges, w);
            records[i].accepted = i % 7 == 3 ? 0 : 1;
        }
        const ParticleSet set = stats_test::SetOfRecords(records);
        SCOPED_TRACE(testing::Message() << "round " << round << " start " << start << " w " << w << " n " << n);
        EXPECT_EQ(CountIntervals(set, Select(QuantityId::KinEnerg), start, w, n),
                  ReferenceCounts(set, Select(QuantityId::KinEnerg), start, w, n));
    }
}

TEST(CountIntervals, ProgressMovesAboutAHundredSteps) {
    std::vector<double> values(1000);
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = static_cast<double>(i);
    stats_test::PassProgress progress;
    CountIntervals(SetOfEnergies(values), Select(QuantityId::KinEnerg), 0, 10, 101, progress);
    EXPECT_EQ(progress.advanced, 100);
    EXPECT_EQ(progress.yields, 1000);
}

TEST(HistogramText, TableAndBarsOfThePositionPage) {
    Histogram h = Planned({-2, 10}, 1);
    h.counts = {0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1};
    const HistogramTable table = BuildHistogramTable(StatPage::Position, QuantityId::PosY, 0, h);
    EXPECT_EQ(table.header, (HistogramRow{" Order", " Interval Y [A]", " Number of ions"}));
    ASSERT_EQ(table.rows.size(), 13u);
    EXPECT_EQ(table.rows[0], (HistogramRow{"1", "<-2.500E+00, -1.500E+00)", "0"}));
    EXPECT_EQ(table.rows[6], (HistogramRow{"7", "<3.500E+00, 4.500E+00)", "0"}));
    EXPECT_EQ(table.rows[12], (HistogramRow{"13", "<9.500E+00, 1.050E+01)", "1"}));
    EXPECT_EQ(BuildHistogramTable(StatPage::Angle, QuantityId::AngX, 0, h).rows[12][1], "<9.500, 10.500)");

    const HistogramBars bars = BuildHistogramBars(StatPage::Position, QuantityId::PosabsY, 2, h);
    EXPECT_EQ(bars.axisCaption, "|Y| [um]");
    EXPECT_EQ(bars.bars.front().label, "-2.00E+00");
    EXPECT_EQ(bars.bars.back().label, "1.00E+01");
    EXPECT_EQ(bars.bars.back().count, 1);
    EXPECT_EQ(BuildHistogramBars(StatPage::Momentum, QuantityId::Mom, 0, h).bars[6].label, "4.000E+00");
    EXPECT_EQ(BuildHistogramBars(StatPage::Angle, QuantityId::AngZ, 0, h).bars[12].label, "10.00");
}

TEST(HistogramText, CaptionsFollowQuantityAndUnit) {
    EXPECT_EQ(IntervalColumnCaption(QuantityId::Energamu, 2), " Interval Energy/amu [MeV]");
    EXPECT_EQ(IntervalColumnCaption(QuantityId::KinEnerg, 0), " Interval Kin. Energy [eV]");
    EXPECT_EQ(IntervalColumnCaption(QuantityId::PosabsZ, 2), " Interval |Z| [um]");
    EXPECT_EQ(IntervalColumnCaption(QuantityId::dZdX, 1), " Interval dZ/dX [mrad]");
    EXPECT_EQ(IntervalColumnCaption(QuantityId::Mom, 3), " Interval Momentum [GeV/c]");
    EXPECT_EQ(QuantityAxisCaption(QuantityId::KinEnerg, 1), "Kinetic Energy [keV]");
    EXPECT_EQ(QuantityAxisCaption(QuantityId::AngY, 2), "angle Y [mrad]");
    EXPECT_EQ(QuantityAxisCaption(QuantityId::PosYZ, 4), "(Y^2 + Z^2)^1/2 [m]");
}

TEST(HistogramMessages, WordingsPerPageAndView) {
    const std::string high = " is too high\nNumber of intervals is: < 1\nNumber of intervals must be >= 1 and <= 1001";
    const std::string low = " is too low\nNumber of intervals is: 1201\nNumber of intervals must be >= 1 and <= 1001";
    EXPECT_EQ(WidthTooHighMessage(StatPage::Energy, HistogramView::Graph).text, "Value Range of interval" + high);
    EXPECT_EQ(WidthTooHighMessage(StatPage::Position, HistogramView::Table).text, "Value Range of interval" + high);
    EXPECT_EQ(WidthTooHighMessage(StatPage::Position, HistogramView::Graph).text, "Value range of interval" + high);
    EXPECT_EQ(IntervalCountTooLowMessage(StatPage::Momentum, HistogramView::Graph, 1201).text,
              "Value Range of interval" + low);
    EXPECT_EQ(IntervalCountTooLowMessage(StatPage::Angle, HistogramView::Table, 1201).text,
              "Value range of interval" + low);
    EXPECT_EQ(IntervalCountTooLowMessage(StatPage::Position, HistogramView::Table, 1201).text,
              "Value Range of interval" + low);
    EXPECT_EQ(IntervalCountTooLowMessage(StatPage::Position, HistogramView::Graph, 1201).caption, "Warning");
    EXPECT_EQ(IntervalCountConfirmation(13),
              (Message{"Number of intervals: 13", "Number of intervals", MessageIcon::Information}));
    EXPECT_EQ(ValidateIntervalWidth("").refusal->text, "Missing value Range of interval");
    EXPECT_EQ(ValidateIntervalWidth("0").refusal->text, "Value Range of interval must be real number > 0");
    EXPECT_EQ(ValidateIntervalWidth("1.188120E-01").value, 0.118812);
}

class HistogramPage : public ::testing::Test {
protected:
    HistogramPage() {
        state.sourceKind = SourceKind::TransmitTxt;
        std::vector<double> values(100);
        for (std::size_t i = 0; i < values.size(); ++i) values[i] = static_cast<double>(i % 10 == 0 ? 1000 + i : i);
        set = SetOfEnergies(values);
    }
    int countedIons(std::string_view width, std::string_view zoom = "") {
        auto planned = PrepareHistogram(state, set, StatPage::Energy, HistogramView::Table, width, zoom);
        EXPECT_TRUE(planned.ok()) << (planned.refusal ? planned.refusal->text : "");
        if (!planned.ok()) return -1;
        CountHistogram(set, Select(QuantityId::KinEnerg), *planned.value);
        int sum = 0;
        for (int c : planned.value->counts) sum += c;
        return sum;
    }
    AppState state;
    ParticleSet set;
};

TEST_F(HistogramPage, WholeCountsEveryIonFilteredOnlyTheAcceptedOnes) {
    ASSERT_TRUE(FilterSpectrum(state, set, StatPage::Energy, true, "1").ok());
    CommitFilter(state, StatPage::Energy, "1", 1);
    EXPECT_EQ(CountRejected(set), 10);
    EXPECT_EQ(countedIons("20"), 100);
    EXPECT_EQ(CountRejected(set), 0);
    state.displayModeOf(StatPage::Energy) = DisplayMode::Filtered;
    EXPECT_EQ(countedIons("1"), 90);
    EXPECT_EQ(CountRejected(set), 10);
}

TEST_F(HistogramPage, RefusalsInTheirOrder) {
    const auto refusal = [&](std::string_view width, std::string_view zoom = "",
                             HistogramView view = HistogramView::Table) {
        const auto planned = PrepareHistogram(state, set, StatPage::Energy, view, width, zoom);
        return planned.ok() ? std::string("ok") : planned.refusal->text;
    };
    state.displayModeOf(StatPage::Energy) = DisplayMode::Zoom;
    EXPECT_EQ(refusal(""), "Missing value Range of interval");
    EXPECT_EQ(refusal("-1", "abc"), "Value Range of interval must be real number > 0");
    EXPECT_EQ(refusal("1", ""), "Missing value sigma multiplier");
    EXPECT_EQ(refusal("1", "2000", HistogramView::Graph),
              "Value sigma multiplier is too high. Value must be >= 0.001 and <= 1000");
    EXPECT_EQ(refusal("1", "2000"), "Value sigma multiplier is too high. Value must be > 0.001 and <= 1000");
    EXPECT_EQ(refusal("5", "2"), "ok");
    EXPECT_EQ(refusal("1e6", "2").substr(0, 34), "Value Range of interval is too hig");
    set = SetOfEnergies({7, 7});
    state.displayModeOf(StatPage::Energy) = DisplayMode::Whole;
    EXPECT_EQ(refusal("1e-9").substr(0, 35), "Value Range of interval is too high");
    set = SetOfEnergies({});
    EXPECT_EQ(refusal("1"), kNoIonsText);
}

}  // namespace
}  // namespace zelkor
