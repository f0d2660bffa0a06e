#include "stats/filter_spectrum.hpp"
#include "stats/sigma_filter.hpp"
#include "stats/sigma_multiplier.hpp"
#include "stats/stat_test_sets.hpp"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

using stats_test::Flags;
using stats_test::Select;
using stats_test::SetOfEnergies;
using Bytes = std::vector<std::uint8_t>;

ParticleSet OneToTen() { return SetOfEnergies({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}); }

TEST(SigmaFilter, KeepsTheInclusiveBandAroundTheMeanOfAllIons) {
    ParticleSet set = OneToTen();
    ApplySigmaFilter(set, Select(QuantityId::KinEnerg), 1.0);
    EXPECT_EQ(Flags(set), (Bytes{0, 0, 1, 1, 1, 1, 1, 1, 0, 0}));
    EXPECT_EQ(CountRejected(set), 4);
    // Bounds from the unfiltered data: a second run gives the same flags.
    ApplySigmaFilter(set, Select(QuantityId::KinEnerg), 1.0);
    EXPECT_EQ(CountRejected(set), 4);

    // 0 and 2: mean 1, sigma 1, band [0, 2] with both ends inside.
    ParticleSet edges = SetOfEnergies({0, 2});
    ApplySigmaFilter(edges, Select(QuantityId::KinEnerg), 1.0);
    EXPECT_EQ(Flags(edges), (Bytes{1, 1}));
}

TEST(SigmaFilter, RejectedIonsOfAnEarlierFilterCanReturn) {
    ParticleSet set = OneToTen();
    stats_test::SetFlags(set, Bytes(10, 0));
    ApplySigmaFilter(set, Select(QuantityId::KinEnerg), 3.0);
    EXPECT_EQ(CountRejected(set), 0);
}

TEST(SigmaMultiplier, RangeAndMessagesInTheirOrder) {
    const auto text = [](std::string_view input, MultiplierWording wording = MultiplierWording::Standard) {
        const Checked<double> n = ValidateSigmaMultiplier(input, wording);
        return n.ok() ? "ok" : n.refusal->text;
    };
    EXPECT_EQ(text("0.001"), "ok");
    EXPECT_EQ(text("1000"), "ok");
    EXPECT_EQ(text(" 2,5 "), "ok");
    EXPECT_EQ(text(""), "Missing value sigma multiplier");
    EXPECT_EQ(text("0"), "Value sigma multiplier must be real number > 0");
    EXPECT_EQ(text("-1"), "Value sigma multiplier must be real number > 0");
    EXPECT_EQ(text("abc"), "Value sigma multiplier must be real number > 0");
    EXPECT_EQ(text("1000.5"), "Value sigma multiplier is too high. Value must be > 0.001 and <= 1000");
    EXPECT_EQ(text("0.0009"), "Value sigma multiplier is too low. Value must be > 0.001 and <= 1000");
    EXPECT_EQ(text("1000.5", MultiplierWording::EnergyGraph),
              "Value sigma multiplier is too high. Value must be >= 0.001 and <= 1000");
    EXPECT_EQ(text("0.0009", MultiplierWording::EnergyGraph),
              "Value sigma multiplier is too low. Value must be >= 0.001 and <= 1000");
    EXPECT_EQ(text("0.001", MultiplierWording::EnergyGraph), "ok");
    EXPECT_EQ(ValidateSigmaMultiplier("abc").refusal->caption, "Error");
}

class FilterPage : public ::testing::Test {
protected:
    FilterPage() { state.sourceKind = SourceKind::TransmitTxt; }
    AppState state;
    ParticleSet set = OneToTen();
};

TEST_F(FilterPage, FilterRunShowsTheAcceptedStatisticsWithoutCommitting) {
    const auto run = FilterSpectrum(state, set, StatPage::Energy, true, "1");
    ASSERT_TRUE(run.ok());
    EXPECT_TRUE(run.value->filtered);
    EXPECT_EQ(run.value->rejectionLine, "Number of particles rejected: 4 of 10");
    EXPECT_EQ(run.value->statusText, "1 x sigma");
    ASSERT_TRUE(run.value->rows);
    EXPECT_EQ((*run.value->rows)[2], "E(str) = 5.500000E+00 eV");
    EXPECT_EQ((*run.value->rows)[0], "E(min) = 3.000000E+00 eV");
    EXPECT_FALSE(state.filterOf(StatPage::Energy).active);
}

TEST_F(FilterPage, EqualValuesAreTooLowButStillCountAndCanBeCommitted) {
    set = SetOfEnergies({4, 4, 4});
    const auto run = FilterSpectrum(state, set, StatPage::Energy, true, "2.5");
    ASSERT_TRUE(run.ok());
    EXPECT_EQ(run.value->tooLow, ErrorMessage("Value sigma multiplier is too low"));
    EXPECT_FALSE(run.value->rows);
    EXPECT_EQ(run.value->rejectionLine, "Number of particles rejected: 0 of 3");
    EXPECT_EQ(run.value->statusText, "2.5 x sigma");
    EXPECT_EQ(CommitFilter(state, StatPage::Energy, "2.5", run.value->multiplier), "2.5 x sigma");
    EXPECT_TRUE(state.filterOf(StatPage::Energy).active);
}

TEST_F(FilterPage, NoFilterSelectedReportsAllIonsAndLeavesTheFlags) {
    ParticleRecord a;
    a.y = -2e4;
    ParticleRecord b;
    b.y = 6e4;
    b.accepted = 0;
    set = stats_test::SetOfRecords({a, b});
    state.positionQuantity = QuantityId::PosabsY;
    state.unitOf(QuantityId::PosabsY) = 1;
    const auto run = FilterSpectrum(state, set, StatPage::Position, false, "garbage is not read");
    ASSERT_TRUE(run.ok());
    EXPECT_FALSE(run.value->filtered);
    EXPECT_EQ(run.value->statusText, "No Filter");
    EXPECT_EQ(run.value->rejectionLine, "Number of particles rejected: 0 of 2");
    const ReportRows& rows = *run.value->rows;
    EXPECT_EQ(rows[0], "|Y|(min) = 2.000000E+03 nm");
    EXPECT_EQ(rows[3], "|Y|(max) - |Y|(min) = 4.000000E+03 nm");
    EXPECT_EQ(rows[4], "Dispersion = 4.000000E+06 nm^2");
    EXPECT_EQ(Flags(set), (Bytes{1, 0}));
}

TEST_F(FilterPage, RefusalsChangeNothing) {
    set.record(3).accepted = 0;
    const auto invalid = FilterSpectrum(state, set, StatPage::Angle, true, "0.0009");
    ASSERT_FALSE(invalid.ok());
    EXPECT_EQ(invalid.refusal->text, "Value sigma multiplier is too low. Value must be > 0.001 and <= 1000");
    state.sourceKind = SourceKind::WinAgile;
    const auto refused = FilterSpectrum(state, set, StatPage::Momentum, true, "2");
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.refusal->text, kOnlyTransmitText);
    EXPECT_EQ(CountRejected(set), 1);
}

TEST_F(FilterPage, CommitCancelClearAndPageChange) {
    ASSERT_TRUE(FilterSpectrum(state, set, StatPage::Energy, true, "1").ok());
    // The edit was changed to a non-number meanwhile: the run's n is kept.
    EXPECT_EQ(CommitFilter(state, StatPage::Energy, "x", 1.0), "1 x sigma");
    EXPECT_EQ(state.filterOf(StatPage::Energy).multiplier, 1.0);
    EXPECT_EQ(CommitFilter(state, StatPage::Momentum, "2", 1.0), "2 x sigma");

    ApplyPageChange(state, set, StatPage::Position);
    EXPECT_EQ(CountRejected(set), 0);
    ApplyPageChange(state, set, StatPage::Energy);
    EXPECT_EQ(CountRejected(set), 4);

    ASSERT_TRUE(FilterSpectrum(state, set, StatPage::Energy, true, "0.5").ok());
    CancelFilter(set);
    EXPECT_EQ(CountRejected(set), 0);
    EXPECT_EQ(state.filterOf(StatPage::Energy).multiplier, 1.0);

    set.record(1).accepted = 0;
    ClearFilter(state, set, StatPage::Energy);
    EXPECT_FALSE(state.filterOf(StatPage::Energy).active);
    EXPECT_EQ(state.filterOf(StatPage::Energy).multiplier, 0.0);
    EXPECT_EQ(CountRejected(set), 0);
}

TEST_F(FilterPage, ASetWithoutIonsIsRefused) {
    set = SetOfEnergies({});
    const auto run = FilterSpectrum(state, set, StatPage::Position, true, "2");
    ASSERT_FALSE(run.ok());
    EXPECT_EQ(*run.refusal, ErrorMessage(kNoIonsText));
    ApplySigmaFilter(set, Select(QuantityId::PosY), 2.0);  // harmless on its own
    EXPECT_EQ(CountRejected(set), 0);
}

}  // namespace
}  // namespace zelkor
