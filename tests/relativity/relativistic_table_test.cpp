#include "relativity/relativistic_table.hpp"

#include "io/printf_format.hpp"
#include "optics/particle_sets.hpp"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

ParticleSet EnergySet(std::initializer_list<double> energies) {
    ParticleSet set(static_cast<int>(energies.size()) + 1);
    for (double e : energies) set.records[static_cast<std::size_t>(++set.count)].energy = e;
    return set;
}

AppState Proton() {
    AppState state;
    state.sourceKind = SourceKind::TransmitTxt;
    state.A = 1;
    state.amu = 1.00727646688;
    state.n = 1;
    return state;
}

std::vector<std::string> Row(const RelativisticTable& t, const ParticleSet& set, int ion) {
    std::vector<std::string> cells;
    for (std::size_t c = 0; c < t.columns.size(); ++c) cells.push_back(t.cell(c, ion, set));
    return cells;
}

TEST(RelativisticTable, ProtonOfOneMeVInEveryColumn) {
    ParticleSet set = EnergySet({1e6});
    AppState state = Proton();
    const RelativisticTable t = ComputeRelativisticTable(set, state, RelativisticSelection::All());
    EXPECT_EQ(t.headers, (std::vector<std::string>{" Ion", " Kin. energy [eV]", " Energy/A [eV]", " Energy/amu [eV]",
                                                   " gamma", " beta", " beta.gamma", " Mass [kg]", " Velocity [m/s]",
                                                   " Momentum [eV/c]", " Mag. regidity [Tm]"}));
    EXPECT_EQ(Row(t, set, 1), (std::vector<std::string>{"1", "1.000000E+06", "1.000000E+06", "9.927761E+05",
                                                        "1.001066E+00", "4.613215E-02", "4.618132E-02", "1.674404E-27",
                                                        "1.383007E+07", "4.333064E+07", "1.445354E-01"}));
    EXPECT_TRUE(state.relativisticCalculated);
    EXPECT_EQ(state.lastDataColumn, 10);
    EXPECT_EQ(FormatDouble("%lE", set.record(1).momentum), "4.333064E+07");
}

TEST(RelativisticTable, HeliumRigidityWithChargeTwo) {
    ParticleSet set = EnergySet({2e6, 0.0});
    AppState state = Proton();
    state.amu = 4.00150608;
    state.n = 2;
    RelativisticSelection s;
    s.momentum = s.rigidity = true;
    const RelativisticTable t = ComputeRelativisticTable(set, state, s);
    EXPECT_EQ(Row(t, set, 1)[4], "1.221209E+08");
    EXPECT_EQ(Row(t, set, 1)[5], "2.036758E-01");
    EXPECT_EQ(Row(t, set, 2)[4], "0.000000E+00");  // an ion at rest
    EXPECT_EQ(Row(t, set, 2)[5], "0.000000E+00");
}

TEST(RelativisticTable, NoBoxCheckedStillStoresEveryMomentum) {
    ParticleSet set = EnergySet({1e6, 2e6});
    set.records[2].accepted = 0;
    AppState state = Proton();
    const RelativisticTable t = ComputeRelativisticTable(set, state, {});
    EXPECT_EQ(t.columns.size(), 4u);
    EXPECT_EQ(state.lastDataColumn, 3);
    EXPECT_GT(set.record(2).momentum, set.record(1).momentum);
    EXPECT_EQ(set.record(2).accepted, 0);  // the filter flags are left alone
}

TEST(RelativisticTable, UnitsScaleColumnsAndRenameHeadersAndRanges) {
    ParticleSet set = EnergySet({2.5e6});
    AppState state = Proton();
    state.A = 4;
    state.unitOf(QuantityId::KinEnerg) = 1;
    state.unitOf(QuantityId::EnergA) = 2;
    state.unitOf(QuantityId::Energamu) = 3;
    state.unitOf(QuantityId::Mom) = 2;
    state.energyQuantity = QuantityId::EnergA;
    RelativisticSelection s;
    s.momentum = true;
    const RelativisticTable t = ComputeRelativisticTable(set, state, s);
    EXPECT_EQ(t.headers[1], " Kin. energy [keV]");
    EXPECT_EQ(t.headers[2], " Energy/A [MeV]");
    EXPECT_EQ(t.headers[3], " Energy/amu [GeV]");
    EXPECT_EQ(t.headers[4], " Momentum [MeV/c]");
    EXPECT_EQ(Row(t, set, 1)[1], "2.500000E+03");
    EXPECT_EQ(Row(t, set, 1)[2], "6.250000E-01");
    EXPECT_EQ(t.value(4, set.record(1)), set.record(1).momentum * 1e-6);
    EXPECT_EQ(t.energyRangeCaption, "Range of Interval [MeV]");
    EXPECT_EQ(t.momentumRangeCaption, "Range of Interval [MeV/c]");
}

TEST(RelativisticTable, ColumnOrderIsFixed) {
    RelativisticSelection s;
    s.rigidity = s.beta = s.mass = true;
    using C = RelativisticColumn;
    EXPECT_EQ(RelativisticColumns(s), (std::vector<C>{C::Ion, C::KineticEnergy, C::EnergyPerA, C::EnergyPerAmu, C::Beta,
                                                      C::Mass, C::Rigidity}));
}

TEST(RelativisticTable, ProgressYieldsPerIonAndFillsTheBar) {
    AppState state = Proton();
    optics_test::StepCounter progress;
    ParticleSet three = EnergySet({1, 2, 3});
    ComputeRelativisticTable(three, state, RelativisticSelection::All(), progress);
    EXPECT_EQ(progress.advanced, 100);
    EXPECT_EQ(progress.yields, 3);
}

TEST(RelativisticTable, CellsKeepTheUnitsOfTheirCalculation) {
    // A unit clicked after the calculation (and cancelled) shows only in the next one.
    ParticleSet set = EnergySet({3e6});
    AppState state = Proton();
    const RelativisticTable t = ComputeRelativisticTable(set, state, {});
    state.unitOf(QuantityId::KinEnerg) = 2;
    state.amu = 4.0;
    EXPECT_EQ(t.cell(1, 1, set), "3.000000E+06");
    EXPECT_EQ(t.cell(3, 1, set), FormatDouble("%lE", 3e6 / 1.00727646688));
}

TEST(RelativisticTable, AvailabilityAndStoredInputs) {
    EXPECT_EQ(CheckRelativisticAvailable(SourceKind::None), ErrorMessage("No data available! Open a file please."));
    EXPECT_EQ(CheckRelativisticAvailable(SourceKind::WinAgile),
              WarningMessage("This function is available only for TRANSMIT.TXT"));
    EXPECT_FALSE(CheckRelativisticAvailable(SourceKind::TrimDat).has_value());
    AppState state;
    state.n = 7;
    StoreRelativisticInputs(std::get<RelativisticInputs>(ValidateRelativisticInputs("4", "4.0015")), state);
    EXPECT_EQ(state.A, 4);
    EXPECT_EQ(state.amu, 4.0015);
    EXPECT_EQ(state.n, 7);  // not read while the rigidity box is unchecked
    StoreRelativisticInputs(std::get<RelativisticInputs>(ValidateRelativisticInputs("4", "4", true, "2")), state);
    EXPECT_EQ(state.n, 2);
}

}  // namespace
}  // namespace zelkor
