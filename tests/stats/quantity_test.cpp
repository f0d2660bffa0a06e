#include "stats/availability.hpp"
#include "stats/quantity.hpp"
#include "stats/quantity_value.hpp"
#include "stats/select_quantity.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace zelkor {
namespace {

ParticleRecord WithEnergy(double e) {
    ParticleRecord r;
    r.energy = e;
    return r;
}

ParticleRecord WithCosines(double cx, double cy, double cz) {
    ParticleRecord r;
    r.cos_x = cx;
    r.cos_y = cy;
    r.cos_z = cz;
    return r;
}

TEST(QuantityValue, EnergyIsDividedByTheUnitFirstThenByTheMass) {
    EXPECT_EQ(QuantityValue(WithEnergy(2.5e6), QuantityId::EnergA, 2, SourceKind::TransmitTxt, 4, 1.0), 0.625);
    // For this energy the two orders of division round differently.
    const double e = 5021068.0;
    const double value = QuantityValue(WithEnergy(e), QuantityId::EnergA, 2, SourceKind::TransmitTxt, 3, 1.0);
    EXPECT_EQ(value, e / 1e6 / 3.0);
    EXPECT_NE(value, e / (1e6 * 3.0));
    EXPECT_EQ(QuantityValue(WithEnergy(e), QuantityId::Energamu, 1, SourceKind::TrimDat, 1, 4.00150608),
              e / 1000.0 / 4.00150608);
    EXPECT_EQ(QuantityValue(WithEnergy(e), QuantityId::KinEnerg, 3, SourceKind::TrimDat, 7, 9.0), e / 1e9);
}

TEST(QuantityValue, AnglesFollowAcosInEveryUnit) {
    const auto ang = [](double cx, int unit) {
        return QuantityValue(WithCosines(cx, 0, 0), QuantityId::AngX, unit, SourceKind::TransmitTxt, 1, 1.0);
    };
    for (int unit = 0; unit < 3; ++unit) EXPECT_EQ(ang(1.0, unit), 0.0);
    EXPECT_EQ(ang(0.0, 0), 90.0);
    EXPECT_EQ(ang(0.0, 1), std::numbers::pi / 2);
    EXPECT_EQ(ang(0.0, 2), 1000 * (std::numbers::pi / 2));
    EXPECT_EQ(ang(-1.0, 0), 180.0);
    const ParticleRecord r = WithCosines(0.1, 0.2, 0.3);
    EXPECT_EQ(QuantityValue(r, QuantityId::AngZ, 0, SourceKind::TrimDat, 1, 1.0), 57.29577951308232 * std::acos(0.3));
}

TEST(QuantityValue, SlopesDependOnTheSourceKind) {
    const ParticleRecord r = WithCosines(0.8, 0.6, -0.3);
    EXPECT_DOUBLE_EQ(QuantityValue(r, QuantityId::dYdX, 0, SourceKind::TransmitTxt, 1, 1.0), 0.75);
    EXPECT_DOUBLE_EQ(QuantityValue(r, QuantityId::dYdX, 1, SourceKind::TrimDat, 1, 1.0), 750.0);
    EXPECT_EQ(QuantityValue(r, QuantityId::dYdX, 0, SourceKind::WinAgile, 1, 1.0), 0.6);
    EXPECT_EQ(QuantityValue(r, QuantityId::dYdX, 1, SourceKind::WinAgile, 1, 1.0), 600.0);
    EXPECT_EQ(QuantityValue(r, QuantityId::dZdX, 1, SourceKind::WinAgile, 1, 1.0), -300.0);
    // The ratio is taken before the milli factor.
    const ParticleRecord odd = WithCosines(0.30266666666666664, 0.007992007992007992, 0);
    const double mrad = QuantityValue(odd, QuantityId::dYdX, 1, SourceKind::TransmitTxt, 1, 1.0);
    EXPECT_EQ(mrad, 1000 * (odd.cos_y / odd.cos_x));
    EXPECT_NE(mrad, 1000 * odd.cos_y / odd.cos_x);
}

TEST(QuantityValue, PositionsInEveryLengthUnit) {
    ParticleRecord r;
    r.y = -3e4;
    r.z = 4e4;
    EXPECT_EQ(QuantityValue(r, QuantityId::PosY, 2, SourceKind::WinAgile, 1, 1.0), -3.0);
    EXPECT_EQ(QuantityValue(r, QuantityId::PosabsY, 2, SourceKind::WinAgile, 1, 1.0), 3.0);
    EXPECT_EQ(QuantityValue(r, QuantityId::PosabsZ, 1, SourceKind::TransmitTxt, 1, 1.0), 4000.0);
    EXPECT_EQ(QuantityValue(r, QuantityId::PosYZ, 0, SourceKind::TransmitTxt, 1, 1.0), 5e4);
    EXPECT_EQ(QuantityValue(r, QuantityId::PosYZ, 4, SourceKind::TransmitTxt, 1, 1.0), 5e-6);
    EXPECT_EQ(QuantityValue(r, QuantityId::PosZ, 3, SourceKind::TransmitTxt, 1, 1.0), 4e4 / 10000000.0);
}

TEST(QuantityCatalogue, SymbolsLabelsAndNames) {
    EXPECT_EQ(RangeLabel(QuantityId::KinEnerg, 2), "Range of Interval [MeV]");
    EXPECT_EQ(RangeLabel(QuantityId::EnergA, 0), "Range of Interval [eV]");
    EXPECT_EQ(RangeLabel(QuantityId::Mom, 0), "Range of Interval [eV/c]");
    EXPECT_EQ(RangeLabel(QuantityId::PosYZ, 1), "Range of Interval [nm]");
    EXPECT_EQ(RangeLabel(QuantityId::AngY, 2), "Range of Interval [mrad]");
    EXPECT_EQ(RangeLabel(QuantityId::dZdX, 1), "Range of Interval [mrad]");
    EXPECT_EQ(UnitSymbol(QuantityId::dYdX, 0), "rad");
    EXPECT_EQ(SquaredUnit(QuantityId::Mom, 3), "(GeV/c)^2");
    EXPECT_EQ(SquaredUnit(QuantityId::PosY, 2), "um^2");
    EXPECT_EQ(RowLabel(QuantityId::PosabsZ), "| Z | ");
    for (int q = 0; q < kQuantityCount; ++q) {
        const auto quantity = static_cast<QuantityId>(q);
        EXPECT_EQ(QuantityFromName(QuantityName(quantity)), quantity);
        for (int code = 0; code < UnitCount(quantity); ++code)
            EXPECT_EQ(UnitFromSymbol(quantity, UnitSymbol(quantity, code)), code);
    }
    EXPECT_EQ(UnitCount(QuantityId::PosZ), 5);
    EXPECT_EQ(UnitFromSymbol(QuantityId::KinEnerg, "eV/c"), std::nullopt);
    EXPECT_EQ(QuantityFromName("kinenerg"), std::nullopt);
}

TEST(CheckAvailability, RefusesInTheFixedOrder) {
    const auto check = [](StatPage page, SourceKind kind, bool calculated, bool needsMass) {
        const auto refusal = CheckAvailability(page, kind, calculated, needsMass);
        return refusal ? refusal->caption + ": " + refusal->text : std::string("available");
    };
    const std::string noData = std::string("Error: ") + kNoDataText;
    const std::string onlyTransmit = std::string("Warning: ") + kOnlyTransmitText;
    const std::string missing = std::string("Warning: ") + kMissingMassText;
    for (int p = 0; p < kStatPageCount; ++p) EXPECT_EQ(check(StatPage(p), SourceKind::None, true, false), noData);
    EXPECT_EQ(check(StatPage::Energy, SourceKind::WinAgile, false, true), onlyTransmit);
    EXPECT_EQ(check(StatPage::Momentum, SourceKind::WinAgile, true, false), onlyTransmit);
    EXPECT_EQ(check(StatPage::Energy, SourceKind::TrimDat, false, false), "available");
    EXPECT_EQ(check(StatPage::Energy, SourceKind::TrimDat, false, true), missing);
    EXPECT_EQ(check(StatPage::Energy, SourceKind::TransmitTxt, true, true), "available");
    EXPECT_EQ(check(StatPage::Momentum, SourceKind::TransmitTxt, false, false), missing);
    EXPECT_EQ(check(StatPage::Position, SourceKind::WinAgile, false, false), "available");
    EXPECT_EQ(check(StatPage::Angle, SourceKind::WinAgile, false, false), "available");
}

TEST(CheckAvailability, ALoadedFileWithoutIonsSaysSo) {
    AppState state;
    state.sourceKind = SourceKind::TransmitTxt;
    ParticleSet empty(3);
    const auto refusal = CheckAvailability(StatPage::Position, state, empty);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(*refusal, ErrorMessage(kNoIonsText));
    empty.count = 1;
    EXPECT_FALSE(CheckAvailability(StatPage::Position, state, empty));
    state.energyQuantity = QuantityId::Energamu;
    EXPECT_EQ(CheckAvailability(StatPage::Energy, state, empty), WarningMessage(kMissingMassText));
}

}  // namespace
}  // namespace zelkor

namespace zelkor {
namespace {

TEST(SelectQuantity, ResetsTheFilterAndRelabelsTheRange) {
    AppState state;
    state.sourceKind = SourceKind::TrimDat;
    state.unitOf(QuantityId::KinEnerg) = 2;
    ParticleSet set(3);
    set.count = 2;
    set.records[1].accepted = 0;
    state.filterOf(StatPage::Energy) = {true, 2.0};
    EXPECT_EQ(SelectQuantity(state, set, QuantityId::KinEnerg), "Range of Interval [MeV]");
    EXPECT_EQ(SelectQuantity(state, set, QuantityId::EnergA), "Range of Interval [eV]");
    EXPECT_EQ(state.energyQuantity, QuantityId::EnergA);
    EXPECT_TRUE(state.needsMass());
    EXPECT_FALSE(state.filterOf(StatPage::Energy).active);
    EXPECT_EQ(set.records[1].accepted, 1);
    // Position and angle pages keep their caption unless a TRANSMIT.TXT file is loaded.
    EXPECT_EQ(SelectQuantity(state, set, QuantityId::PosabsZ), std::nullopt);
    EXPECT_EQ(state.positionQuantity, QuantityId::PosabsZ);
    state.sourceKind = SourceKind::TransmitTxt;
    state.unitOf(QuantityId::dZdX) = 1;
    EXPECT_EQ(SelectQuantity(state, set, QuantityId::dZdX), "Range of Interval [mrad]");
}

}  // namespace
}  // namespace zelkor
