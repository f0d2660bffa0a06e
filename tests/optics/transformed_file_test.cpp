#include "optics/transformed_file.hpp"

#include "io/file_commands.hpp"
#include "optics/particle_sets.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace zelkor {
namespace {

using optics_test::Ion;
using optics_test::SetOf;

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size());
    return lines;
}

AppState StateOf(SourceKind kind) {
    AppState state;
    state.sourceKind = kind;
    state.headerLine = kind == SourceKind::TrimDat ? "Line eight of the imported file\n" : "  Si (10 um)\r\n";
    state.atomZ = 14;
    return state;
}

class TransformedFile : public ::testing::Test {
protected:
    std::string save(const ParticleSet& set, const AppState& state) {
        const auto path = dir.path() / "out.txt";
        EXPECT_FALSE(SaveTransformedFile(path, set, state).has_value());
        return test::ReadBytes(path);
    }
    test::TempDir dir;
};

TEST_F(TransformedFile, IdentityReproducesTheFilteredFileButForTheDepthBlank) {
    ParticleSet set = SetOf({Ion(1.5e4, -2.5, 0.9, 0.3, -0.1), Ion(0, 0, 1, 0, 0), Ion(-7e3, 4e3, 0.6, -0.8, 0)});
    set.records[2].accepted = 0;
    for (SourceKind kind : {SourceKind::TransmitTxt, SourceKind::TrimDat}) {
        const AppState state = StateOf(kind);
        const auto filteredPath = dir.path() / "filtered.txt";
        ASSERT_FALSE(SaveFilteredFile(filteredPath, set, state).has_value());
        const auto filtered = Lines(test::ReadBytes(filteredPath));
        const auto transformed = Lines(save(set, state));
        ASSERT_EQ(filtered.size(), transformed.size());
        const std::size_t header = kind == SourceKind::TransmitTxt ? 12 : 10;
        for (std::size_t i = 0; i < header; ++i) EXPECT_EQ(transformed[i], filtered[i]);
        ASSERT_EQ(transformed.size(), header + 2);  // the rejected ion is left out, numbers run on
        for (std::size_t i = header; i < filtered.size(); ++i) {
            std::string expected = filtered[i];
            expected.erase(expected.find("  ", expected.find("E+") + 4), 1);  // depth after one blank
            EXPECT_EQ(transformed[i], expected);
        }
    }
}

TEST_F(TransformedFile, DriftMovesTheIonButKeepsItsCosines) {
    AppState state = StateOf(SourceKind::TransmitTxt);
    state.transferMatrix[0][1] = 1.0;
    state.transferMatrix[2][3] = 1.0;
    ParticleRecord r = Ion(0, 0, 0.8, 0.6, 0, 2.5e6);
    r.x = 1e4;
    const auto lines = Lines(save(SetOf({r}), state));
    EXPECT_EQ(lines.back(),
              "T    1  14 2.500000E+06 1.000000E+04  7.5000000000E+09  0.0000000000E+00  0.8000000000  0.6000000000"
              "  0.0000000000");
}

TEST_F(TransformedFile, PointFileWritesNewCoordinatesAndDpOverPUnchanged) {
    AppState state = StateOf(SourceKind::WinAgile);
    state.transferMatrix[0][0] = 2.0;
    ParticleRecord r = Ion(1e7, -3e6, 0.0, 0.002, -0.001);
    r.momentum = -0.0125;
    EXPECT_EQ(save(SetOf({r}), state),
              " 2.0000000000E-03\t 2.0000000000E-03\t-3.0000000000E-04\t-1.0000000000E-03\t"
              "-1.2500000000E-02\t65535   \r\n");
}

TEST_F(TransformedFile, FailuresLeaveTheOldFile) {
    const ParticleSet set = SetOf({Ion(1, 2, 1, 0, 0)});
    EXPECT_EQ(SaveTransformedFile(dir.path() / "x.txt", set, AppState{}),
              ErrorMessage("No data available! Open a file please."));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "x.txt"));
    for (SourceKind kind : {SourceKind::TransmitTxt, SourceKind::TrimDat, SourceKind::WinAgile})
        EXPECT_EQ(SaveTransformedFile(dir.path() / "no" / "x.txt", set, StateOf(kind)),
                  ErrorMessage("Cannot save a file!"));
}

}  // namespace
}  // namespace zelkor
