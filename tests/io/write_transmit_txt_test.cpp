#include "io/write_transmit_txt.hpp"

#include "io/io_test_support.hpp"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

using test::ReadBytes;
using test::SplitCrLf;

class WriteTransmitTxtTest : public ::testing::Test {
protected:
    std::vector<std::string> Write(const ParticleSet& set, const std::string& headerLine = "line ten\n", int atomZ = 6,
                                   int energyBlanks = 1, int xBlanks = 2) {
        const auto message = WriteTransmitTxt(path_, set, headerLine, atomZ, energyBlanks, xBlanks, kCannotOpenText);
        EXPECT_FALSE(message.has_value()) << message->text;
        return SplitCrLf(ReadBytes(path_));
    }

    test::TempDir dir_;
    std::filesystem::path path_ = dir_ / "out.txt";
};

TEST_F(WriteTransmitTxtTest, HeaderIsTheTwelveSrimLinesWithTheKeptLineTen) {
    const auto lines = Write(ParticleSet{}, "  Some  layer \xB3 (line 10)\n");
    const std::vector<std::string> expected = {
        "============================== SRIM-2003.26 ==============================",
        "==============================================================================",
        "=================  TRANSMIT.txt : File of Transmitted Ions  ==================",
        "=  This file tabulates the kinetics of ions or atoms leaving the target.     =",
        "=  Column #1: S= Sputtered Atom, B= Backscattered Ion, T= Transmitted Ion.   =",
        "=  Col.#2: Ion Number, Col.#3: Z of atom leaving, Col.#4: Atom energy (eV).  =",
        "=  Col.#5-7: Last location:  X= Depth into target, Y,Z= Transverse axes.     =",
        "=  Col.#8-10: Cosines of final trajectory.  NOTE: Use hotkey  C  for details.=",
        "= *** This data file is in the same format as TRIM.DAT (see manual for uses).=",
        "=  Some  layer \xB3 (line 10)",
        " Ion  Atom   Energy        Depth       Lateral-Position        Atom Direction" + std::string(6, ' '),
        " Numb Numb    (eV)          X(A)        Y(A)       Z(A)      Cos(X)  Cos(Y) Cos(Z)" + std::string(1, ' '),
    };
    EXPECT_EQ(lines, expected);  // also: a set without records gives the header only
}

TEST_F(WriteTransmitTxtTest, HeaderLineEndsWithCrLfWhateverEndItWasKeptWith) {
    for (const std::string kept : {"ten\n", "ten\r\n", "ten"}) {
        const auto lines = Write(ParticleSet{}, kept);
        ASSERT_EQ(lines.size(), 12u) << kept;
        EXPECT_EQ(lines[9], "=ten");
    }
}

TEST_F(WriteTransmitTxtTest, RecordLineIsByteExact) {
    ParticleSet set(2);
    set.count = 1;
    set.record(1) = {5021068.0, 11280.14, -2.5, 2.5, 0.9990612, -0.0362965, 0.0236495, 0.0, 1};
    const auto lines = Write(set);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[12],
              "T    1  6 5.021068E+06  1.128014E+04 -2.5000000000E+00  2.5000000000E+00  0.9990612000 -0.0362965000"
              "  0.0236495000");
}

TEST_F(WriteTransmitTxtTest, BlankCountsOfTheCallerPrecedeEnergyAndDepth) {
    ParticleSet set(2);
    set.count = 1;
    set.record(1) = {1.0, 2.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 1};
    const auto lines = Write(set, "h\n", 6, 1, 1);
    EXPECT_EQ(lines[12].substr(0, 36), "T    1  6 1.000000E+00 2.000000E+00 ");
}

TEST_F(WriteTransmitTxtTest, SignBlanksFollowThePrintedMinusOfNegativeZeroToo) {
    ParticleSet set(2);
    set.count = 1;
    set.record(1) = {1.0, 1.0, -0.0, -2.5, -0.5, -0.0, 2.5, 0.0, 1};
    const std::string line = Write(set)[12];
    EXPECT_NE(line.find("E+00 -0.0000000000E+00 -2.5000000000E+00 "), std::string::npos) << line;
    // cos X has two blanks whatever its sign.
    EXPECT_NE(line.find("E+00  -0.5000000000 -0.0000000000  2.5000000000"), std::string::npos) << line;
}

TEST_F(WriteTransmitTxtTest, OnlyAcceptedRecordsAreWrittenNumberedAfresh) {
    ParticleSet set = test::MakeSet(4);
    set.record(1).accepted = 0;
    set.record(3).accepted = 0;
    const auto lines = Write(set);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[12].substr(0, 22), "T    1  6 1.000002E+06");
    EXPECT_EQ(lines[13].substr(0, 22), "T    2  6 1.000004E+06");
}

TEST_F(WriteTransmitTxtTest, NoAcceptedRecordGivesTheHeaderOnly) {
    ParticleSet set = test::MakeSet(3);
    for (int i = 1; i <= 3; ++i) set.record(i).accepted = 0;
    EXPECT_EQ(Write(set).size(), 12u);
}

TEST_F(WriteTransmitTxtTest, LetterFillShrinksAsTheNumberGrows) {
    const auto lines = Write(test::MakeSet(10001), "h\n", 14);
    ASSERT_EQ(lines.size(), 12u + 10001u);
    const auto start = [&](int number) { return lines[11 + static_cast<std::size_t>(number)].substr(0, 10); };
    EXPECT_EQ(start(9), "T    9  14");
    EXPECT_EQ(start(10), "T   10  14");
    EXPECT_EQ(start(99), "T   99  14");
    EXPECT_EQ(start(100), "T  100  14");
    EXPECT_EQ(start(9999), "T 9999  14");
    EXPECT_EQ(start(10000), "T10000  14");
    EXPECT_EQ(start(10001), "T10001  14");
}

TEST_F(WriteTransmitTxtTest, AtomZIsAlwaysAfterTwoBlanks) {
    for (const int z : {5, 14, 100}) {
        const auto lines = Write(test::MakeSet(1), "h\n", z);
        EXPECT_EQ(lines[12].substr(0, 8 + std::to_string(z).size()), "T    1  " + std::to_string(z));
        EXPECT_EQ(lines[12][8 + std::to_string(z).size()], ' ');
    }
}

TEST_F(WriteTransmitTxtTest, ProgressAdvancesPerHundredthOfVisitedRecordsAndYieldsPerRecord) {
    ParticleSet set = test::MakeSet(250);
    for (int i = 1; i <= 250; i += 2) set.record(i).accepted = 0;  // rejected records count as visited
    test::CountingProgress progress;
    ASSERT_FALSE(WriteTransmitTxt(path_, set, "h\n", 1, 1, 2, kCannotOpenText, progress));
    EXPECT_EQ(progress.advanced, 125);  // period 250 / 100 = 2
    EXPECT_EQ(progress.yields, 250);

    test::CountingProgress small;
    ASSERT_FALSE(WriteTransmitTxt(path_, test::MakeSet(7), "h\n", 1, 1, 2, kCannotOpenText, small));
    EXPECT_EQ(small.advanced, 7);  // fewer than 100 records: every index is a step
}

}  // namespace
}  // namespace zelkor
