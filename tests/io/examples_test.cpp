#include "state/load_file.hpp"
#include "io/write_trim_dat.hpp"
#include "io/write_winagile_point.hpp"

#include "io/io_test_support.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace zelkor {
namespace {

const std::filesystem::path kExamples = ZELKOR_EXAMPLES_DIR;

class ExamplesTest : public ::testing::Test {
protected:
    void Load(SourceKind kind, const std::string& name) {
        const LoadReport report = LoadParticleFile(kind, kExamples / name, state_, set_);
        ASSERT_EQ(report.outcome, LoadOutcome::Loaded) << name;
        EXPECT_TRUE(report.messages.empty()) << name << ": " << report.messages.front().text;
    }

    AppState state_;
    ParticleSet set_;
    test::TempDir dir_;
};

TEST_F(ExamplesTest, TransmitSampleHasTransmittedBackscatteredAndSputteredLines) {
    const std::string text = test::ReadBytes(kExamples / "transmit-sample.txt");
    const auto lines = test::SplitCrLf(text);
    ASSERT_EQ(lines.size(), 12u + 36u);
    for (const char type : {'T', 'B', 'S'}) {
        EXPECT_TRUE(std::any_of(lines.begin() + 12, lines.end(), [&](const std::string& l) { return l[0] == type; }))
            << type;
    }
    Load(SourceKind::TransmitTxt, "transmit-sample.txt");
    EXPECT_EQ(set_.count, 36);
    EXPECT_EQ(state_.atomZ, 2);
    EXPECT_EQ(state_.headerLine, lines[9] + "\n");
}

// The other two samples are the transmitted ions of the first (backscattered
// and sputtered ones filtered out), exported as the program exports them; they
// must stay what the writers make of it.
TEST_F(ExamplesTest, TrimAndPointSamplesAreTheWritersExportOfTheTransmittedIons) {
    Load(SourceKind::TransmitTxt, "transmit-sample.txt");
    for (int i = 1; i <= set_.count; ++i)
        if (set_.record(i).cos_x < 0.0 || set_.record(i).energy < 1.0e6) set_.record(i).accepted = 0;
    ASSERT_EQ(CountRejected(set_), 4);

    ASSERT_FALSE(WriteTrimDat(dir_ / "trim.dat", set_, "=" + state_.headerLine, state_.atomZ, 3, 2, std::nullopt,
                              kCannotExportText));
    EXPECT_EQ(test::ReadBytes(dir_ / "trim.dat"), test::ReadBytes(kExamples / "trim-sample.dat"));
    ASSERT_FALSE(WriteWinAgilePoint(dir_ / "point.pnt", set_, PointFileSource::TransmitTxt, kCannotExportText));
    EXPECT_EQ(test::ReadBytes(dir_ / "point.pnt"), test::ReadBytes(kExamples / "winagile-sample.pnt"));

    Load(SourceKind::TrimDat, "trim-sample.dat");
    EXPECT_EQ(set_.count, 32);
    Load(SourceKind::WinAgile, "winagile-sample.pnt");
    EXPECT_EQ(set_.count, 32);
}

}  // namespace
}  // namespace zelkor
