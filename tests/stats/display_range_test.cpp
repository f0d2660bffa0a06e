#include "stats/default_width.hpp"
#include "stats/display_range.hpp"
#include "stats/filter_spectrum.hpp"
#include "stats/stat_test_sets.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace zelkor {
namespace {

using stats_test::SetOfEnergies;

class DisplayPage : public ::testing::Test {
protected:
    DisplayPage() { state.sourceKind = SourceKind::TransmitTxt; }
    void commitEnergyFilter(double n) { state.filterOf(StatPage::Energy) = {true, n}; }
    DisplayRange range(double n = 0) {
        RefreshAcceptedFlags(state, set, StatPage::Energy);
        return ComputeDisplayRange(state, set, StatPage::Energy, n);
    }
    AppState state;
    ParticleSet set = SetOfEnergies({1, 2, 3, 10});
};

TEST_F(DisplayPage, WholeIsWidenedOnItsShorterSide) {
    const DisplayRange r = range();
    EXPECT_EQ(r.lower, -2.0);
    EXPECT_EQ(r.upper, 10.0);
    set = SetOfEnergies({-10, -3, -2, -1});
    EXPECT_EQ(range().lower, -10.0);
    EXPECT_EQ(range().upper, 2.0);
}

TEST(DefaultIntervalWidth, HoldsOneHundredFirstInExtendedPrecision) {
    // A length for which the double nearest 1/101 rounds the product differently.
    const double length = 449.79999830544017;
    const double width = DefaultIntervalWidth({0, length});
    const double exact = length / 101;
    const double rounded = length * 0.00990099009900990099;
    EXPECT_EQ(width, exact + exact * 1e-6);
    EXPECT_NE(width, rounded + rounded * 1e-6);
    EXPECT_EQ(DefaultIntervalWidth({3, 3}), 0.0);
}

TEST_F(DisplayPage, DefaultWidthTextPerPageFormat) {
    EXPECT_EQ(*DefaultWidthText(state, set, StatPage::Energy, "").value, "1.188120E-01");
    std::vector<ParticleRecord> records(4);
    const double slopes[] = {1, 2, 3, 10};
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].cos_y = slopes[i];
        records[i].cos_x = 1;
    }
    set = stats_test::SetOfRecords(records);
    state.angleQuantity = QuantityId::dYdX;
    EXPECT_EQ(*DefaultWidthText(state, set, StatPage::Angle, "").value, "0.118812000000");
    set = SetOfEnergies({5, 5, 5});
    EXPECT_EQ(*DefaultWidthText(state, set, StatPage::Energy, "").value, "0.000000E+00");
}

TEST_F(DisplayPage, ZoomIsMeanPlusMinusNSigma) {
    set = SetOfEnergies({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    state.displayModeOf(StatPage::Energy) = DisplayMode::Zoom;
    const DisplayRange r = range(2);
    EXPECT_DOUBLE_EQ(r.lower, -0.2445626465380286);
    EXPECT_EQ(r.lower, 5.5 - 2 * std::sqrt(8.25));  // exact: the subtraction loses nothing
    EXPECT_EQ(r.upper, 11.244562646538029);
    EXPECT_EQ(DefaultIntervalWidth(r), 0.11375382952674604);
    // In Zoom mode the flags stay as the last operation left them.
    commitEnergyFilter(1);
    set.record(10).accepted = 0;
    const DisplayRange without10 = range(1);
    EXPECT_EQ(without10.lower, 5.0 - std::sqrt(20.0 / 3.0));
    EXPECT_EQ(stats_test::Flags(set)[9], 0);
}

TEST_F(DisplayPage, FilteredReappliesTheCommittedFilterOnly) {
    set = SetOfEnergies({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    state.displayModeOf(StatPage::Energy) = DisplayMode::Filtered;
    const DisplayRange inactive = range();
    state.displayModeOf(StatPage::Energy) = DisplayMode::Whole;
    const DisplayRange whole = range();
    EXPECT_EQ(inactive.lower, whole.lower);
    EXPECT_EQ(inactive.upper, whole.upper);

    // Another page's filter or a page change left other flags: re-applied at 1 sigma.
    commitEnergyFilter(1);
    state.displayModeOf(StatPage::Energy) = DisplayMode::Filtered;
    AcceptAll(set);
    const DisplayRange filtered = range();
    EXPECT_EQ(CountRejected(set), 4);
    EXPECT_EQ(filtered.lower, 3.0);
    EXPECT_EQ(filtered.upper, 8.0);
    // Whole resets the flags whatever the filter.
    state.displayModeOf(StatPage::Energy) = DisplayMode::Whole;
    range();
    EXPECT_EQ(CountRejected(set), 0);
}

TEST_F(DisplayPage, DefaultRefusalsLeaveTheFlags) {
    state.displayModeOf(StatPage::Energy) = DisplayMode::Zoom;
    set.record(1).accepted = 0;
    EXPECT_EQ(DefaultWidthText(state, set, StatPage::Energy, "").refusal->text, "Missing value sigma multiplier");
    EXPECT_EQ(DefaultWidthText(state, set, StatPage::Energy, "1000.5").refusal->text,
              "Value sigma multiplier is too high. Value must be > 0.001 and <= 1000");
    state.energyQuantity = QuantityId::EnergA;
    EXPECT_EQ(DefaultWidthText(state, set, StatPage::Energy, "2").refusal->caption, "Warning");
    EXPECT_EQ(CountRejected(set), 1);
    state.displayModeOf(StatPage::Energy) = DisplayMode::Whole;
    set = SetOfEnergies({});
    state.energyQuantity = QuantityId::KinEnerg;
    EXPECT_EQ(DefaultWidthText(state, set, StatPage::Energy, "").refusal->text, kNoIonsText);
}

}  // namespace
}  // namespace zelkor
