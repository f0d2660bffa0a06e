#include "io/write_winagile_point.hpp"

#include "io/io_test_support.hpp"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

using test::ReadBytes;
using test::SplitCrLf;

class WriteWinAgilePointTest : public ::testing::Test {
protected:
    std::vector<std::string> Write(const ParticleSet& set, PointFileSource source) {
        const auto message = WriteWinAgilePoint(path_, set, source, kCannotExportText);
        EXPECT_FALSE(message.has_value()) << message->text;
        return SplitCrLf(ReadBytes(path_));
    }

    static ParticleSet OneIon(const ParticleRecord& record) {
        ParticleSet set(2);
        set.count = 1;
        set.record(1) = record;
        return set;
    }

    test::TempDir dir_;
    std::filesystem::path path_ = dir_ / "out.pnt";
};

TEST_F(WriteWinAgilePointTest, TransmitIonBecomesMetresAndSlopesWithZeroMomentum) {
    // cos_y / cos_x = -0.002 and cos_z / cos_x = 0.001 exactly.
    const auto lines =
        Write(OneIon({5.0e6, 1.0e4, 1.5e4, -3.0e4, 0.5, -0.001, 0.0005, 123.0, 1}), PointFileSource::TransmitTxt);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0],
              " 1.5000000000E-06\t-2.0000000000E-03\t-3.0000000000E-06\t 1.0000000000E-03\t0.0000000000E+00\t65535   ");
}

TEST_F(WriteWinAgilePointTest, PointSetWritesItsStoredSlopesAndMomentum) {
    const auto lines = Write(OneIon({0.0, 0.0, -1.0e7, 0.0, 0.0, 0.0002, -0.0, -0.015, 1}), PointFileSource::WinAgile);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(
        lines[0],
        "-1.0000000000E-03\t 2.0000000000E-04\t 0.0000000000E+00\t-0.0000000000E+00\t-1.5000000000E-02\t65535   ");
}

TEST_F(WriteWinAgilePointTest, BlankFollowsTheSignBitThatAnUnderflowKeeps) {
    // -1e-320 Angstrom in metres is -0, printed with its minus: no blank.
    const auto lines = Write(OneIon({0.0, 0.0, -1e-320, 0.0, 1.0, 0.0, 0.0, 0.0, 1}), PointFileSource::TransmitTxt);
    EXPECT_EQ(lines[0].substr(0, 18), "-0.0000000000E+00\t");
}

TEST_F(WriteWinAgilePointTest, OnlyAcceptedIonsAndNoneGivesAnEmptyFile) {
    ParticleSet set = test::MakeSet(3);
    set.record(2).accepted = 0;
    const auto lines = Write(set, PointFileSource::WinAgile);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 18), " 1.0000000000E-09\t");
    EXPECT_EQ(lines[1].substr(0, 18), " 3.0000000000E-09\t");

    for (int i = 1; i <= 3; ++i) set.record(i).accepted = 0;
    Write(set, PointFileSource::WinAgile);
    EXPECT_EQ(ReadBytes(path_), "");
}

TEST_F(WriteWinAgilePointTest, ZeroCosineXWritesWhatTheDivisionGives) {
    const auto lines = Write(OneIon({0.0, 0.0, 0.0, 0.0, 0.0, 0.5, 0.0, 0.0, 1}), PointFileSource::TransmitTxt);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("\t INF\t"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("NAN"), std::string::npos) << lines[0];
}

}  // namespace
}  // namespace zelkor
