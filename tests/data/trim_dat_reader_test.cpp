#include "state/load_file.hpp"
#include "data/trim_dat_reader.hpp"
#include "support/srim_text.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

using test::Lines;

const std::string kTitle = "Name   Numb   (eV)    _X_(A)   _Y_(A)  _Z_(A)   Cos(X)   Cos(Y)   Cos(Z)";
const std::string kRecord1 =
    "1      6  5.021068E+06  1.128014E+04  8.2700000000E+02  9.8470000000E+02  0.9990612000  0.0362965000  "
    "0.0236495000";
const std::string kRecord2 =
    "10    14  5.119872E+06  1.128007E+04 -1.0560000000E+03  1.9700000000E+02  0.9997611000 -0.0200240000  "
    "0.0087617000";

TEST(TrimDatReader, ReadsRecordsAndKeepsLineEight) {
    test::TempDir dir;
    const std::string line8 = "=H(20 MeV) into target \xB3 ====";
    const auto file = dir.write("t.dat", test::TrimDatHeader(line8) + Lines({kRecord1, kRecord2}));
    AppState state;
    ParticleSet set;
    const LoadReport report = LoadParticleFile(SourceKind::TrimDat, file, state, set);
    ASSERT_EQ(report.outcome, LoadOutcome::Loaded);
    EXPECT_TRUE(report.messages.empty());
    ASSERT_EQ(set.count, 2);
    EXPECT_EQ(set.lineCount, 7);  // twelve lines minus five
    EXPECT_EQ(state.headerLine, line8 + "\n");
    EXPECT_EQ(state.atomZ, 14);
    EXPECT_EQ(set.record(1).energy, 5021068.0);
    EXPECT_EQ(set.record(2).y, -1056.0);
    EXPECT_EQ(set.record(2).cos_x, 0.9997611);
    EXPECT_EQ(state.sourceKind, SourceKind::TrimDat);
}

TEST(TrimDatReader, CheckNeedsTheColumnTitleFromItsSecondCharacter) {
    test::TempDir dir;
    // The title may be the very first line; the parse still drops ten lines.
    EXPECT_TRUE(CheckTrimDat(dir.write("a.dat", kTitle + "\r\n")).passed());
    EXPECT_TRUE(CheckTrimDat(dir.write("b.dat", kTitle)).passed());
    const CheckResult missing = CheckTrimDat(dir.write("c.dat", "Event  Atom  Energy\r\n"));
    EXPECT_EQ(missing.outcome, CheckOutcome::Rejected);
    EXPECT_EQ(*missing.message, ErrorMessage("Bad file opened!"));
    EXPECT_FALSE(CheckTrimDat(dir.write("d.dat", "")).passed());
    EXPECT_FALSE(CheckTrimDat(dir.write("e.dat", kTitle.substr(1) + "\r\n")).passed());

    AppState state;
    ParticleSet set;
    const auto firstLine = dir.write("f.dat", Lines({kTitle, "2", "3", "4", "5", "6", "7", "8", "9", "10", kRecord1}));
    ASSERT_EQ(LoadParticleFile(SourceKind::TrimDat, firstLine, state, set).outcome, LoadOutcome::Loaded);
    EXPECT_EQ(set.count, 1);
    EXPECT_EQ(state.headerLine, "8\n");
}

TEST(TrimDatReader, CutLastLineIsSkippedAndCompleteOneCounted) {
    test::TempDir dir;
    AppState state;
    ParticleSet set;
    const std::string header = test::TrimDatHeader("=x");
    auto cut = LoadParticleFile(
        SourceKind::TrimDat, dir.write("a.dat", header + Lines({kRecord1}) + kRecord2.substr(0, kRecord2.size() - 3)),
        state, set);
    EXPECT_EQ(set.count, 1);
    ASSERT_EQ(cut.messages.size(), 1u);
    EXPECT_EQ(cut.messages[0].caption, "Warning");

    auto whole =
        LoadParticleFile(SourceKind::TrimDat, dir.write("b.dat", header + Lines({kRecord1}) + kRecord2), state, set);
    EXPECT_EQ(set.count, 2);
    EXPECT_TRUE(whole.messages.empty());

    // A hand-made file whose last event name is shorter: complete all the same.
    auto handMade = LoadParticleFile(
        SourceKind::TrimDat,
        dir.write("c.dat", header + Lines({"ion10 6 5E6 0 0 0 1.00 0.00 0.00"}) + "i11 6 5E6 0 0 0 1.00 0.00 0.00"),
        state, set);
    EXPECT_EQ(set.count, 2);
    EXPECT_TRUE(handMade.messages.empty());
}

}  // namespace
}  // namespace zelkor
