#include "state/load_file.hpp"
#include "io/write_transmit_txt.hpp"
#include "io/write_trim_dat.hpp"
#include "io/write_winagile_point.hpp"
#include "io/file_commands.hpp"
#include "optics/transformed_file.hpp"
#include "support/srim_text.hpp"

#include "io/io_test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace zelkor {
namespace {

// A set with signs of every kind, ions past 10000 (whose number touches the
// "T") and a few rejected ions, which must not come back.
ParticleSet MixedSet(int count) {
    ParticleSet set(count + 1);
    set.count = count;
    for (int i = 1; i <= count; ++i) {
        ParticleRecord& r = set.record(i);
        const double t = i / static_cast<double>(count);
        r.energy = 5.0e6 * (1.0 + 0.1 * std::sin(i * 0.7));
        r.x = 1.128014e4 + i;
        r.y = 1.0e3 * std::sin(i * 1.3) - 0.0;
        r.z = -2.0e3 * std::cos(i * 0.9) * t;
        r.cos_y = 0.03 * std::sin(i * 2.1);
        r.cos_z = -0.02 * std::cos(i * 1.7);
        r.cos_x = std::sqrt(1.0 - r.cos_y * r.cos_y - r.cos_z * r.cos_z) * (i % 97 == 0 ? -1.0 : 1.0);
        r.momentum = 0.001 * std::sin(i * 0.3);
        r.accepted = i % 1000 == 7 ? 0 : 1;
    }
    return set;
}

// Within half a unit of the last printed digit of a "%.<digits>E" value.
void ExpectSamePrinted(double written, double read, int digits, const char* what, int i) {
    const double tolerance = std::abs(written) * 0.5 * std::pow(10.0, -digits) * 1.0000001 + 1e-300;
    EXPECT_NEAR(read, written, tolerance) << what << " of accepted ion " << i;
}

std::vector<const ParticleRecord*> Accepted(const ParticleSet& set) {
    std::vector<const ParticleRecord*> accepted;
    for (int i = 1; i <= set.count; ++i)
        if (set.record(i).accepted == 1) accepted.push_back(&set.record(i));
    return accepted;
}

class WriterRoundTripTest : public ::testing::Test {
protected:
    LoadReport Load(SourceKind kind, const std::filesystem::path& path) {
        const LoadReport report = LoadParticleFile(kind, path, state_, loaded_);
        EXPECT_EQ(report.outcome, LoadOutcome::Loaded);
        EXPECT_TRUE(report.messages.empty()) << report.messages.front().text;
        return report;
    }

    test::TempDir dir_;
    AppState state_;
    ParticleSet loaded_;
    const ParticleSet written_ = MixedSet(10050);
    const std::vector<const ParticleRecord*> accepted_ = Accepted(written_);
};

TEST_F(WriterRoundTripTest, TransmitTxtReadsBackTheAcceptedIonsAndHeaderLine) {
    const std::string headerLine = "  He (5 MeV) into Si 10 \xB5m \xB3\n";
    const auto path = dir_ / "out.txt";
    ASSERT_FALSE(WriteTransmitTxt(path, written_, headerLine, 2, 1, 2, kCannotOpenText));
    Load(SourceKind::TransmitTxt, path);
    // Line 10 of the layout is "=" and the kept line; the reader keeps line 10 whole.
    EXPECT_EQ(state_.headerLine, "=" + headerLine);
    EXPECT_EQ(state_.atomZ, 2);
    ASSERT_EQ(loaded_.count, static_cast<int>(accepted_.size()));
    for (int i = 1; i <= loaded_.count; ++i) {
        const ParticleRecord& w = *accepted_[static_cast<std::size_t>(i - 1)];
        const ParticleRecord& r = loaded_.record(i);
        ExpectSamePrinted(w.energy, r.energy, 6, "energy", i);
        ExpectSamePrinted(w.x, r.x, 6, "x", i);
        ExpectSamePrinted(w.y, r.y, 10, "y", i);
        ExpectSamePrinted(w.z, r.z, 10, "z", i);
        EXPECT_NEAR(r.cos_x, w.cos_x, 0.5e-10) << i;
        EXPECT_NEAR(r.cos_y, w.cos_y, 0.5e-10) << i;
        EXPECT_NEAR(r.cos_z, w.cos_z, 0.5e-10) << i;
        EXPECT_EQ(r.accepted, 1);
    }
}

TEST_F(WriterRoundTripTest, TrimDatReadsBackTheAcceptedIonsAndItsLineEight) {
    const std::string headerLine = "==  He (5 MeV) into Si \xB3\n";
    const auto path = dir_ / "out.dat";
    ASSERT_FALSE(WriteTrimDat(path, written_, headerLine, 100, 3, 2, 0.0, kCannotExportText));
    Load(SourceKind::TrimDat, path);
    EXPECT_EQ(state_.headerLine, headerLine);
    EXPECT_EQ(state_.atomZ, 100);
    ASSERT_EQ(loaded_.count, static_cast<int>(accepted_.size()));
    for (int i = 1; i <= loaded_.count; ++i) {
        const ParticleRecord& w = *accepted_[static_cast<std::size_t>(i - 1)];
        const ParticleRecord& r = loaded_.record(i);
        ExpectSamePrinted(w.energy, r.energy, 6, "energy", i);
        EXPECT_EQ(r.x, 0.0) << i;
        ExpectSamePrinted(w.y, r.y, 10, "y", i);
        ExpectSamePrinted(w.z, r.z, 10, "z", i);
        EXPECT_NEAR(r.cos_x, w.cos_x, 0.5e-10) << i;
        EXPECT_NEAR(r.cos_z, w.cos_z, 0.5e-10) << i;
    }
}

TEST_F(WriterRoundTripTest, PointFileFromTransmitIonsReadsBackSlopesAndZeroMomentum) {
    const auto path = dir_ / "out.pnt";
    ASSERT_FALSE(WriteWinAgilePoint(path, written_, PointFileSource::TransmitTxt, kCannotExportText));
    state_.headerLine = "kept\n";
    state_.atomZ = 14;
    Load(SourceKind::WinAgile, path);
    EXPECT_EQ(state_.headerLine, "kept\n");
    EXPECT_EQ(state_.atomZ, 14);
    ASSERT_EQ(loaded_.count, static_cast<int>(accepted_.size()));
    for (int i = 1; i <= loaded_.count; ++i) {
        const ParticleRecord& w = *accepted_[static_cast<std::size_t>(i - 1)];
        const ParticleRecord& r = loaded_.record(i);
        ExpectSamePrinted(w.y, r.y, 10, "y", i);
        ExpectSamePrinted(w.z, r.z, 10, "z", i);
        ExpectSamePrinted(w.cos_y / w.cos_x, r.cos_y, 10, "dY/dX", i);
        ExpectSamePrinted(w.cos_z / w.cos_x, r.cos_z, 10, "dZ/dX", i);
        EXPECT_EQ(r.momentum, 0.0) << i;
    }
}

TEST_F(WriterRoundTripTest, PointFileOfAPointSetWritesItsValuesBack) {
    const auto first = dir_ / "first.pnt";
    const auto second = dir_ / "second.pnt";
    ASSERT_FALSE(WriteWinAgilePoint(first, written_, PointFileSource::WinAgile, kCannotOpenText));
    Load(SourceKind::WinAgile, first);
    ASSERT_EQ(loaded_.count, static_cast<int>(accepted_.size()));
    for (int i = 1; i <= loaded_.count; ++i) {
        const ParticleRecord& w = *accepted_[static_cast<std::size_t>(i - 1)];
        ExpectSamePrinted(w.cos_y, loaded_.record(i).cos_y, 10, "dY/dX", i);
        ExpectSamePrinted(w.momentum, loaded_.record(i).momentum, 10, "dp/p", i);
    }
    // Saving the imported set again gives the same file.
    ASSERT_FALSE(WriteWinAgilePoint(second, loaded_, PointFileSource::WinAgile, kCannotOpenText));
    EXPECT_EQ(test::ReadBytes(second), test::ReadBytes(first));
}

// A field read as a negative zero is printed with its minus, so the blank
// before it must be that of a negative value: every record line of a file
// then has the same length, whichever writer made it.
TEST_F(WriterRoundTripTest, NegativeZerosReadFromAFileKeepEveryColumnInLine) {
    const auto sameLengthRecords = [](const std::filesystem::path& path) {
        const std::vector<std::string> lines = test::SplitCrLf(test::ReadBytes(path));
        ASSERT_GE(lines.size(), 2u) << path;
        const std::string& first = lines[lines.size() - 2];
        const std::string& second = lines.back();
        EXPECT_NE(first.find("-0.0000000000"), std::string::npos) << first;
        EXPECT_EQ(first.size(), second.size()) << path << "\n" << first << "\n" << second;
    };
    const auto transmit = dir_.write(
        "in.txt",
        test::SrimTransmitHeader("== layer ==") +
            test::Lines({"T    1  2 .3650895E+07   1000000E-01 -.0000E+00 -.1016E+03   .9999324 -.0000000 -.0115474",
                         "T    2  2 .3658839E+07   1000000E-01 -.1105E+03  .8610E+03   .9998046 -.0167895  .0104302"}));
    Load(SourceKind::TransmitTxt, transmit);
    ASSERT_TRUE(std::signbit(loaded_.record(1).y));
    ASSERT_FALSE(SaveFilteredFile(dir_ / "saved.txt", loaded_, state_));
    ASSERT_FALSE(ExportTransmitToTrimDat(dir_ / "TRIM.DAT", loaded_, state_, std::nullopt));
    ASSERT_FALSE(ExportTransmitToWinAgile(dir_ / "out.pnt", loaded_));
    ASSERT_FALSE(SaveTransformedFile(dir_ / "moved.txt", loaded_, state_));
    for (const char* name : {"saved.txt", "TRIM.DAT", "out.pnt", "moved.txt"}) sameLengthRecords(dir_ / name);

    const auto points = dir_.write(
        "in.pnt",
        test::Lines(
            {"-0.0000000000E+00\t 2.0000000000E-04\t-1.0000000000E-04\t-0.0000000000E+00\t-0.0000000000E+00\t65535   ",
             "-1.0000000000E-03\t-2.0000000000E-04\t-4.0000000000E-06\t-6.0000000000E-04\t-2.0000000000E-03\t65535  "
             " "}));
    Load(SourceKind::WinAgile, points);
    ASSERT_FALSE(SaveFilteredFile(dir_ / "saved.pnt", loaded_, state_));
    ASSERT_FALSE(SaveTransformedFile(dir_ / "moved.pnt", loaded_, state_));
    for (const char* name : {"saved.pnt", "moved.pnt"}) sameLengthRecords(dir_ / name);
}

}  // namespace
}  // namespace zelkor
