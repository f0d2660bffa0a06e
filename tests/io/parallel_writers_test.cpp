// The writers format blocks of records on several threads at once: the file
// must hold the bytes of one pass in index order, numbering included.
#include "io/io_test_support.hpp"
#include "io/write_transmit_txt.hpp"
#include "io/write_trim_dat.hpp"
#include "io/write_winagile_point.hpp"
#include "state/app_state.hpp"
#include "state/load_file.hpp"

#include <gtest/gtest.h>

#include <functional>

namespace zelkor::test {
namespace {

using Write = std::function<std::optional<Message>(const std::filesystem::path&, const ParticleSet&, Progress&)>;

const std::vector<std::pair<const char*, Write>>& Writers() {
    static const std::vector<std::pair<const char*, Write>> writers{
        {"TRANSMIT.TXT",
         [](const auto& path, const ParticleSet& set, Progress& p) {
             return WriteTransmitTxt(path, set, " He into Si\n", 2, 1, 2, kCannotOpenText, p);
         }},
        {"TRIM.DAT",
         [](const auto& path, const ParticleSet& set, Progress& p) {
             return WriteTrimDat(path, set, "= He into Si\n", 14, 3, 2, std::nullopt, kCannotExportText, p);
         }},
        {"TRIM.DAT at a fixed X",
         [](const auto& path, const ParticleSet& set, Progress& p) {
             return WriteTrimDat(path, set, "= He into Si\n", 114, 1, 2, -0.0, kCannotExportText, p);
         }},
        {"WinAGILE from TRANSMIT.TXT",
         [](const auto& path, const ParticleSet& set, Progress& p) {
             return WriteWinAgilePoint(path, set, PointFileSource::TransmitTxt, kCannotExportText, p);
         }},
        {"WinAGILE from WinAGILE",
         [](const auto& path, const ParticleSet& set, Progress& p) {
             return WriteWinAgilePoint(path, set, PointFileSource::WinAgile, kCannotExportText, p);
         }},
    };
    return writers;
}

struct Output {
    std::string bytes;
    int steps = 0;
};

Output WriteWith(const Write& write, const ParticleSet& set, unsigned threads, std::size_t block) {
    const ScopedPassThreads split(threads, block);
    const TempDir dir;
    CountingProgress progress;
    EXPECT_FALSE(write(dir / "out", set, progress));
    return {ReadBytes(dir / "out"), progress.advanced};
}

void ExpectOnePassBytes(const ParticleSet& set) {
    for (const auto& [name, write] : Writers()) {
        SCOPED_TRACE(name);
        const Output onePass = WriteWith(write, set, 1, 1 << 24);
        // Blocks of 7 ions in rounds of three; blocks of one ion on two threads.
        for (const auto& [threads, block] : {std::pair{3u, std::size_t{7}}, std::pair{2u, std::size_t{1}}}) {
            const Output split = WriteWith(write, set, threads, block);
            EXPECT_EQ(split.bytes, onePass.bytes);
            EXPECT_EQ(split.steps, onePass.steps);
        }
    }
}

TEST(ParallelWriters, AwkwardValuesAndRejectedIonsGiveTheBytesOfOnePass) {
    const ParticleSet set = AwkwardSet(1003, 25);
    ExpectOnePassBytes(set);
    EXPECT_EQ(WriteWith(Writers()[0].second, set, 3, 7).steps, 100);
}

TEST(ParallelWriters, ARealFileGivesTheBytesOfOnePass) {
    AppState state;
    ParticleSet set;
    LoadParticleFile(SourceKind::TransmitTxt, std::filesystem::path(ZELKOR_EXAMPLES_DIR) / "transmit-sample.txt", state,
                     set);
    ASSERT_GT(set.count, 10);
    set.record(2).accepted = 0;
    ExpectOnePassBytes(set);
}

TEST(ParallelWriters, NoAcceptedIonGivesTheHeaderAlone) {
    ParticleSet set = AwkwardSet(40, 3);
    for (int i = 1; i <= set.count; ++i) set.record(i).accepted = 0;
    const Output split = WriteWith(Writers()[1].second, set, 3, 4);
    EXPECT_EQ(SplitCrLf(split.bytes).size(), 10u);
}

}  // namespace
}  // namespace zelkor::test
