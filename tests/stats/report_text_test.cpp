#include "stats/basic_analysis.hpp"
#include "stats/report_text.hpp"
#include "stats/stat_test_sets.hpp"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

TEST(BasicAnalysis, KineticEnergyInKeV) {
    AppState state;
    state.sourceKind = SourceKind::TransmitTxt;
    state.unitOf(QuantityId::KinEnerg) = 1;
    ParticleSet set = stats_test::SetOfEnergies({1000, 2000, 3000});
    set.record(2).accepted = 0;
    const auto report = BasicAnalysis(state, set, StatPage::Energy);
    ASSERT_TRUE(report.ok());
    EXPECT_EQ(report.value->rows, (ReportRows{
                                      "E(min) = 1.000000E+00 keV",
                                      "E(max) = 3.000000E+00 keV",
                                      "E(str) = 2.000000E+00 keV",
                                      "E(max) - E(min) = 2.000000E+00 keV",
                                      "Dispersion = 6.666667E-01 keV^2",
                                      "sigma = 8.164966E-01 keV",
                                      "3x sigma = 2.449490E+00 keV",
                                  }));
    EXPECT_EQ(stats_test::Flags(set), (std::vector<std::uint8_t>{1, 0, 1}));

    state.energyQuantity = QuantityId::EnergA;
    EXPECT_EQ(BasicAnalysis(state, set, StatPage::Energy).refusal->text,
              "Missing value A (number of nucleons) and amu (ion mass in atomic mass unit)");
}

TEST(ReportRows, AngleRowsAreFixedPoint) {
    ParticleRecord straight;
    straight.cos_x = 1;
    ParticleRecord sideways;
    sideways.cos_x = 0;
    AppState state;
    state.sourceKind = SourceKind::TrimDat;
    const auto report = BasicAnalysis(state, stats_test::SetOfRecords({straight, sideways}), StatPage::Angle);
    ASSERT_TRUE(report.ok());
    EXPECT_EQ(report.value->rows[0], "ang X(min) = 0.0000000000 deg");
    EXPECT_EQ(report.value->rows[1], "ang X(max) = 90.0000000000 deg");
    EXPECT_EQ(report.value->rows[4], "Dispersion = 2025.0000000000 deg^2");
    EXPECT_EQ(report.value->rows[6], "3x sigma = 135.0000000000 deg");
}

TEST(ReportRows, LabelsUnitsAndDerivedRows) {
    const StatSummary s{-1.5, 2.5, 0.25, 4, 2};
    const ReportRows z = BuildReportRows(StatPage::Position, s, QuantityId::PosabsZ, 3);
    EXPECT_EQ(z[3], "| Z | (max) - | Z | (min) = 4.000000E+00 mm");
    EXPECT_EQ(z[0], "| Z | (min) = -1.500000E+00 mm");
    const ReportRows m = BuildReportRows(StatPage::Momentum, s, QuantityId::Mom, 3);
    EXPECT_EQ(m[2], "M(str) = 2.500000E-01 GeV/c");
    EXPECT_EQ(m[4], "Dispersion = 4.000000E+00 (GeV/c)^2");
    const ReportRows slope = BuildReportRows(StatPage::Angle, s, QuantityId::dZdX, 0);
    EXPECT_EQ(slope[3], "dZ/dX(max) - dZ/dX(min) = 4.0000000000 rad");
    EXPECT_EQ(slope[6], "3x sigma = 6.0000000000 rad");
    EXPECT_EQ(BuildReportRows(StatPage::Energy, s, QuantityId::Energamu, 1)[3],
              "E/amu(max) - E/amu(min) = 4.000000E+00 keV");
    EXPECT_EQ(BuildReportRows(StatPage::Position, s, QuantityId::PosYZ, 4)[2], "(Y^2 + Z^2)^1/2(str) = 2.500000E-01 m");
}

TEST(ReportRows, StatusAndRejectionLines) {
    EXPECT_EQ(FilterStatusText(2.5), "2.5 x sigma");
    EXPECT_EQ(FilterStatusText(2), "2 x sigma");
    EXPECT_EQ(FilterStatusText(0.001), "0.001 x sigma");
    EXPECT_EQ(FilterStatusText(1000), "1000 x sigma");
    EXPECT_EQ(RejectionLine(0, 10), "Number of particles rejected: 0 of 10");
}

}  // namespace
}  // namespace zelkor
