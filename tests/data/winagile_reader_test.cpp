#include "state/load_file.hpp"
#include "data/winagile_reader.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

TEST(WinAgileReader, ReadsPointsInAngstromAndKeepsSlopesAsRead) {
    test::TempDir dir;
    const auto file = dir.write("p.pnt",
                                "-1.000000E-03\t2.000000E-04\t5.0E-04\t-1.0E-04\t0.01\t1 \r\n"
                                "2.5E-03\t0\t0\t0\t-0.02\t0");
    AppState state;
    ParticleSet set;
    const LoadReport report = LoadParticleFile(SourceKind::WinAgile, file, state, set);
    ASSERT_EQ(report.outcome, LoadOutcome::Loaded);
    EXPECT_TRUE(report.messages.empty());
    ASSERT_EQ(set.count, 2);  // the last line has no line end
    EXPECT_EQ(set.lineCount, 3);
    EXPECT_EQ(set.record(1).y, -1e7);
    EXPECT_EQ(set.record(1).cos_y, 0.0002);
    EXPECT_EQ(set.record(1).z, 5.0E-04 * 1e10);
    EXPECT_EQ(set.record(1).cos_z, -1.0E-04);
    EXPECT_EQ(set.record(1).momentum, 0.01);
    EXPECT_EQ(set.record(2).momentum, -0.02);
}

TEST(WinAgileReader, PositionsThatOverflowInAngstromAndCutNumbersAreSkipped) {
    test::TempDir dir;
    const auto file = dir.write("p.pnt",
                                "1.0E+300 0 0 0 0 1\n"  // +inf Angstrom
                                "1" +
                                    std::string(129, '0') +
                                    " 2 3 4 7\n"  // five fields
                                    "1e-3 0 0 0 0 1\n");
    AppState state;
    ParticleSet set;
    const LoadReport report = LoadParticleFile(SourceKind::WinAgile, file, state, set);
    ASSERT_EQ(set.count, 1);
    EXPECT_EQ(set.record(1).y, 1e7);
    ASSERT_EQ(report.messages.size(), 1u);
    EXPECT_EQ(report.messages[0].text, "2 lines could not be read and were skipped; the first is line 1.");
}

TEST(WinAgileReader, AnyOpenableFileImportsEvenWithoutNumbers) {
    test::TempDir dir;
    AppState state;
    ParticleSet set;
    EXPECT_EQ(LoadParticleFile(SourceKind::WinAgile, dir.write("e.pnt", ""), state, set).outcome, LoadOutcome::Loaded);
    EXPECT_EQ(set.count, 0);
    EXPECT_EQ(set.lineCount, 1);

    const LoadReport words = LoadParticleFile(SourceKind::WinAgile, dir.write("w.pnt", "hello world\n"), state, set);
    EXPECT_EQ(words.outcome, LoadOutcome::Loaded);
    EXPECT_EQ(set.count, 0);
    ASSERT_EQ(words.messages.size(), 1u);
    EXPECT_EQ(words.messages[0].caption, "Warning");

    const LoadReport missing = LoadParticleFile(SourceKind::WinAgile, dir.path() / "none.pnt", state, set);
    EXPECT_EQ(missing.outcome, LoadOutcome::CannotOpen);
    EXPECT_EQ(missing.messages.at(0), ErrorMessage("Cannot import a file!"));
    EXPECT_EQ(state.sourceKind, SourceKind::None);
}

TEST(WinAgileReader, ImportKeepsHeaderAndZAndSwitchesTheAngleChoices) {
    test::TempDir dir;
    AppState state;
    state.headerLine = "=kept\n";
    state.atomZ = 26;
    state.A = 56;
    state.relativisticCalculated = true;
    ParticleSet set;
    const auto point = dir.write("p.pnt", "0 0 0 0 0 1\n");
    LoadParticleFile(SourceKind::WinAgile, point, state, set);
    EXPECT_EQ(state.headerLine, "=kept\n");
    EXPECT_EQ(state.atomZ, 26);
    EXPECT_EQ(state.A, 1);
    EXPECT_FALSE(state.relativisticCalculated);
    EXPECT_FALSE(state.angleControlsEnabled);
    EXPECT_EQ(state.angleQuantity, QuantityId::dYdX);

    // A second import changes nothing more; the user's choice stays.
    state.angleQuantity = QuantityId::dZdX;
    LoadParticleFile(SourceKind::WinAgile, point, state, set);
    EXPECT_EQ(state.angleQuantity, QuantityId::dZdX);

    const auto trim = dir.write("t.dat", "xName   Numb   (eV)    _X_(A)   _Y_(A)  _Z_(A)   Cos(X)   Cos(Y)   Cos(Z)\n");
    LoadParticleFile(SourceKind::TrimDat, trim, state, set);
    EXPECT_TRUE(state.angleControlsEnabled);
    EXPECT_EQ(state.angleQuantity, QuantityId::AngX);
}

TEST(WinAgileReader, RejectedFileResetsNothing) {
    test::TempDir dir;
    AppState state;
    state.A = 12;
    state.relativisticCalculated = true;
    ParticleSet set;
    LoadParticleFile(SourceKind::TrimDat, dir.write("bad.dat", "nothing\n"), state, set);
    EXPECT_EQ(state.A, 12);
    EXPECT_TRUE(state.relativisticCalculated);
}

}  // namespace
}  // namespace zelkor
