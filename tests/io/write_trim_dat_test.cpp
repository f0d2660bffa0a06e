#include "io/write_trim_dat.hpp"

#include "io/io_test_support.hpp"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

using test::ReadBytes;
using test::SplitCrLf;

class WriteTrimDatTest : public ::testing::Test {
protected:
    std::vector<std::string> Write(const ParticleSet& set, int atomZ = 6, int energyBlanks = 1,
                                   std::optional<double> fixedX = std::nullopt,
                                   const std::string& description = "=line eight\n") {
        const auto message = WriteTrimDat(path_, set, description, atomZ, energyBlanks, 2, fixedX, kCannotSaveText);
        EXPECT_FALSE(message.has_value()) << message->text;
        return SplitCrLf(ReadBytes(path_));
    }

    test::TempDir dir_;
    std::filesystem::path path_ = dir_ / "out.dat";
};

TEST_F(WriteTrimDatTest, HeaderIsTheTenTrimLinesWithTheCallersLineEight) {
    const auto lines = Write(ParticleSet{}, 6, 1, std::nullopt, "=  He (5 MeV) into Si \xB3\r\n");
    const std::vector<std::string> expected = {
        "=========== TRIM with various Incident Ion Energies/Angles and Depths =========",
        "= This file tabulates the kinetics of incident ions or atoms.                 =",
        "= Col.#1: Ion Number, Col.#2: Z of atom leaving, Col.#3: Atom energy (eV).    =",
        "= Col.#4-6: Last location:  Col.#4: X= Depth into target.                     =",
        "= Col.#5,6: Y,Z= Transverse axes                                              =",
        "= Col.#7-9: Cosines of final trajectory.                                      =",
        "================ Typical Data File is shown below  ============================",
        "=  He (5 MeV) into Si \xB3",
        "Event  Atom  Energy  Depth   Lateral-Position   ----- Atom Direction ----",
        "Name   Numb   (eV)    _X_(A)   _Y_(A)  _Z_(A)   Cos(X)   Cos(Y)   Cos(Z)",
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(WriteTrimDatTest, RecordLineIsByteExact) {
    ParticleSet set(2);
    set.count = 1;
    set.record(1) = {5021068.0, 11280.14, -2.5, 2.5, 0.9990612, -0.0362965, 0.0236495, 0.0, 1};
    const auto lines = Write(set, 14, 3);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[10],
              "1      14   5.021068E+06  1.128014E+04 -2.5000000000E+00  2.5000000000E+00  0.9990612000 -0.0362965000"
              "  0.0236495000");
}

TEST_F(WriteTrimDatTest, NumberFillShrinksAsTheNumberGrows) {
    const auto lines = Write(test::MakeSet(10000), 2);
    ASSERT_EQ(lines.size(), 10u + 10000u);
    const auto start = [&](int number) { return lines[9 + static_cast<std::size_t>(number)].substr(0, 9); };
    EXPECT_EQ(start(9), "9       2");
    EXPECT_EQ(start(10), "10      2");
    EXPECT_EQ(start(99), "99      2");
    EXPECT_EQ(start(100), "100     2");
    EXPECT_EQ(start(9999), "9999    2");
    EXPECT_EQ(start(10000), "10000   2");
}

TEST_F(WriteTrimDatTest, AtomZIsRightAlignedInThreeColumns) {
    for (const auto& [z, start] : {std::pair{5, "1       5 "}, {14, "1      14 "}, {100, "1     100 "}}) {
        const auto lines = Write(test::MakeSet(1), z);
        ASSERT_EQ(lines.size(), 11u) << z;
        EXPECT_EQ(lines[10].substr(0, 10), start);
    }
}

TEST_F(WriteTrimDatTest, FixedDepthReplacesEveryIonsOwn) {
    ParticleSet set = test::MakeSet(2);
    set.record(1).x = 1.0e4;
    const auto kept = Write(set, 2, 3);
    ASSERT_EQ(kept.size(), 12u);
    EXPECT_EQ(kept[10].substr(24, 14), "  1.000000E+04");
    EXPECT_EQ(kept[11].substr(24, 14), "  1.000200E+04");
    const auto fixed = Write(set, 2, 3, 0.0);
    ASSERT_EQ(fixed.size(), 12u);
    EXPECT_EQ(fixed[10].substr(24, 14), "  0.000000E+00");
    EXPECT_EQ(fixed[11].substr(24, 14), "  0.000000E+00");
}

TEST_F(WriteTrimDatTest, OnlyAcceptedRecordsAreWrittenNumberedAfresh) {
    ParticleSet set = test::MakeSet(3);
    set.record(2).accepted = 0;
    const auto lines = Write(set);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[10].substr(0, 22), "1       6 1.000001E+06");
    EXPECT_EQ(lines[11].substr(0, 22), "2       6 1.000003E+06");
}

}  // namespace
}  // namespace zelkor
