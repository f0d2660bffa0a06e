#include "tables/quantity_table.hpp"

#include "state/app_state.hpp"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

ParticleSet SetOf(std::initializer_list<ParticleRecord> records) {
    ParticleSet set(static_cast<int>(records.size()) + 1);
    for (const ParticleRecord& r : records) set.records[static_cast<std::size_t>(++set.count)] = r;
    return set;
}

ParticleRecord Ion(double y, double z, double cx, double cy, double cz, bool accepted = true) {
    ParticleRecord r{};
    r.y = y;
    r.z = z;
    r.cos_x = cx;
    r.cos_y = cy;
    r.cos_z = cz;
    r.accepted = accepted ? 1 : 0;
    return r;
}

std::vector<std::string> Titles(const IonGridTable& table) {
    std::vector<std::string> titles;
    for (int c = 0; c < table.columns(); ++c) titles.push_back(table.title(c));
    return titles;
}

class QuantityTableTest : public ::testing::Test {
protected:
    AppState state;
    ParticleSet set = SetOf({Ion(3.0, -2.5e7, 1.0, 0.0, 0.0), Ion(-4.0, 1.5, 0.0, 0.6, 0.8, false)});
};

TEST_F(QuantityTableTest, NothingTickedIsRefused) {
    EXPECT_EQ(CheckRowsTicked({}), WarningMessage("No items selected"));
    EXPECT_EQ(CheckRowsTicked({false, false, false, false, true}), std::nullopt);
}

TEST_F(QuantityTableTest, AbsZInMillimetres) {
    state.unitOf(QuantityId::PosabsZ) = 3;
    const QuantityTable table = MakePositionTable(set, state, {false, false, false, true, false});
    EXPECT_EQ(Titles(table), (std::vector<std::string>{" Ion", " | Z | [mm]"}));
    EXPECT_EQ(CellText(table, 1, 0), "1");
    EXPECT_EQ(CellText(table, 1, 1), "2.500000E+00");
}

TEST_F(QuantityTableTest, PositionTitlesInEveryUnitAndRejectedIonsIncluded) {
    state.unitOf(QuantityId::PosabsY) = 4;
    state.unitOf(QuantityId::PosabsZ) = 4;
    state.unitOf(QuantityId::PosY) = 2;
    state.unitOf(QuantityId::PosZ) = 1;
    state.unitOf(QuantityId::PosYZ) = 0;
    const QuantityTable table = MakePositionTable(set, state, {true, true, true, true, true});
    EXPECT_EQ(Titles(table), (std::vector<std::string>{" Ion", " Y [\xC2\xB5m]", " Z [nm]", " | Y | [m]", " | Z | [m]",
                                                       " (Y^2 + Z^2)^1/2 [A]"}));
    EXPECT_EQ(table.rows(), 2);
    EXPECT_EQ(CellText(table, 2, 1), "-4.000000E-04");  // y x 1e-4
    EXPECT_EQ(CellText(table, 2, 3), "4.000000E-10");
    EXPECT_EQ(CellText(table, 2, 5), "4.272002E+00");  // sqrt(16 + 2.25)
}

TEST_F(QuantityTableTest, AnglesOfCosXZeroAndOne) {
    const QuantityTable degrees = MakeAngleTable(set, state, {true, false, false, false, false});
    EXPECT_EQ(CellText(degrees, 1, 1), "0.0000000");
    EXPECT_EQ(CellText(degrees, 2, 1), "90.0000000");
    state.unitOf(QuantityId::AngX) = 2;
    const QuantityTable milli = MakeAngleTable(set, state, {true, false, false, false, false});
    EXPECT_EQ(milli.title(1), " X [mrad]");
    EXPECT_EQ(CellText(milli, 1, 1), "0.0000000");
}

TEST_F(QuantityTableTest, FormatsOfAngleZAndSlopesInMilliradians) {
    for (QuantityId q : {QuantityId::AngY, QuantityId::AngZ}) state.unitOf(q) = 2;
    for (QuantityId q : {QuantityId::dYdX, QuantityId::dZdX}) state.unitOf(q) = 1;
    ParticleSet oblique = SetOf({Ion(0, 0, 0.8, 0.6, 0.0)});
    const QuantityTable table = MakeAngleTable(oblique, state, {false, true, true, true, true});
    EXPECT_EQ(Titles(table),
              (std::vector<std::string>{" Ion", " Y [mrad]", " Z [mrad]", " dY/dX [mrad]", " dZ/dX [mrad]"}));
    EXPECT_EQ(CellText(table, 1, 1), "927.2952180");       // seven decimals
    EXPECT_EQ(CellText(table, 1, 2), "1570.7963267949");   // ten decimals
    EXPECT_EQ(CellText(table, 1, 3), "750.0000000000");    // fixed
    EXPECT_EQ(CellText(table, 1, 4), "0.0000000000E+00");  // exponent
}

TEST_F(QuantityTableTest, TrimDatSetHasTheSameAngleColumns) {
    state.sourceKind = SourceKind::TransmitTxt;
    const auto transmit = Titles(MakeAngleTable(set, state, {true, true, true, true, true}));
    state.sourceKind = SourceKind::TrimDat;
    EXPECT_EQ(Titles(MakeAngleTable(set, state, {true, true, true, true, true})), transmit);
    EXPECT_EQ(transmit.size(), 6u);
}

TEST_F(QuantityTableTest, PointFileGivesStoredSlopesOnly) {
    state.sourceKind = SourceKind::WinAgile;
    state.unitOf(QuantityId::dZdX) = 1;
    ParticleSet points = SetOf({Ion(0, 0, 0.0, 0.002, -0.0015)});
    const QuantityTable leftOver = MakeAngleTable(points, state, {true, false, false, false, false});
    EXPECT_EQ(Titles(leftOver), (std::vector<std::string>{" Ion"}));
    const QuantityTable table = MakeAngleTable(points, state, {true, true, true, true, true});
    EXPECT_EQ(Titles(table), (std::vector<std::string>{" Ion", " dY/dX [rad]", " dZ/dX [mrad]"}));
    EXPECT_EQ(CellText(table, 1, 1), "2.0000000000E-03");
    EXPECT_EQ(CellText(table, 1, 2), "-1.5000000000E+00");
}

}  // namespace
}  // namespace zelkor
