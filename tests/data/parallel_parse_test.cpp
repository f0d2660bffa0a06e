// The parse shared out over threads must give what the line-by-line parse
// gives, field by field and in its warning, wherever the runs are split.
#include "data/line_reader.hpp"
#include "data/parse_threads.hpp"
#include "data/particle_reader.hpp"
#include "support/srim_text.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace zelkor {
namespace {

constexpr ParseThreads kLineByLine{0, 0, std::size_t{1} << 20};

class SplitGuard {
public:
    explicit SplitGuard(const ParseThreads& split) : saved_(CurrentParseThreads()) { SetParseThreads(split); }
    ~SplitGuard() { SetParseThreads(saved_); }

private:
    ParseThreads saved_;
};

ReadResult ReadWith(const ParseThreads& split, SourceKind kind, const ReadSource& source, int lineCountChange) {
    const SplitGuard guard(split);
    const ReaderPasses& reader = ReaderFor(kind);
    CountResult counted = reader.count(source, NoProgress());
    const std::uint64_t bytes = source.inMemory() ? source.bytes->size() : std::filesystem::file_size(source.path);
    if (split.threads > 1 && bytes >= split.minParallelBytes) {
        // Split into runs at line starts, which hold every line between them.
        EXPECT_GT(counted.ranges.runs.size(), 1u);
        for (std::size_t k = 1; k < counted.ranges.runs.size(); ++k) {
            const std::uint64_t start = counted.ranges.runs[k].begin;
            EXPECT_EQ(counted.ranges.runs[k - 1].end, start);
            if (source.inMemory()) {
                EXPECT_EQ((*source.bytes)[start - 1], '\n');
            }
        }
    }
    counted.lineCount += lineCountChange;
    return reader.read(source, counted, NoProgress());
}

void ExpectSameRead(const ReadResult& expected, const ReadResult& actual) {
    ASSERT_EQ(actual.set.count, expected.set.count);
    EXPECT_EQ(actual.set.lineCount, expected.set.lineCount);
    ASSERT_EQ(actual.set.records.size(), expected.set.records.size());
    for (int i = 1; i <= expected.set.count; ++i) {
        const ParticleRecord& a = actual.set.record(i);
        const ParticleRecord& e = expected.set.record(i);
        const double av[] = {a.energy, a.x, a.y, a.z, a.cos_x, a.cos_y, a.cos_z, a.momentum};
        const double ev[] = {e.energy, e.x, e.y, e.z, e.cos_x, e.cos_y, e.cos_z, e.momentum};
        ASSERT_EQ(std::memcmp(av, ev, sizeof av), 0) << "record " << i;
        ASSERT_EQ(a.accepted, e.accepted) << "record " << i;
    }
    EXPECT_EQ(actual.headerLine, expected.headerLine);
    EXPECT_EQ(actual.atomZ, expected.atomZ);
    EXPECT_EQ(actual.failure, expected.failure);
    EXPECT_EQ(actual.skippedLines, expected.skippedLines);
    EXPECT_EQ(actual.firstSkippedLine, expected.firstSkippedLine);
    EXPECT_EQ(actual.skippedWarning(), expected.skippedWarning());
}

// Files with every oddity the readers meet, mixed at random line positions.
class FileMaker {
public:
    // One line in overlongOdds is longer than a line may be.
    FileMaker(unsigned seed, int overlongOdds) : random_(seed), overlongOdds_(overlongOdds) {}

    std::string make(SourceKind kind, int lines) {
        std::string text;
        if (kind == SourceKind::TransmitTxt) text = test::SrimTransmitHeader("== line ten ==", eol());
        if (kind == SourceKind::TrimDat) text = test::TrimDatHeader("== line eight ==", eol());
        for (int i = 0; i < lines; ++i) text += line(kind, i) + eol();
        const int ending = pick(4);
        if (ending == 1) text += line(kind, lines);  // whole, without a line end
        if (ending == 2) {                           // cut where an interrupted run stops
            const std::string last = record(kind, lines);
            text += last.substr(0, 1 + pick(static_cast<int>(last.size()) - 1));
        }
        if (ending == 3) text += "  ";
        return text;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    std::string eol() { return pick(2) == 0 ? "\n" : "\r\n"; }
    std::string number() {
        char text[40];
        const double value = std::uniform_real_distribution<double>(-2e4, 2e4)(random_);
        std::snprintf(text, sizeof text, pick(2) == 0 ? "%.7E" : "%.10f", value);
        std::string s = text;
        if (pick(10) == 0)
            for (char& c : s)
                if (c == '.') c = ',';
        return s;
    }
    std::string record(SourceKind kind, int i) {
        std::ostringstream s;
        if (kind == SourceKind::WinAgile) {
            for (int f = 0; f < 5; ++f) s << number() << '\t';
            s << pick(70000);
            return s.str();
        }
        if (kind == SourceKind::TransmitTxt)
            s << "TBS"[pick(3)] << (i + 1) << ' ' << 1 + pick(92);
        else
            s << (i + 1) << ' ' << 1 + pick(92);
        for (int f = 0; f < 7; ++f) s << "  " << number();
        return s.str();
    }
    std::string line(SourceKind kind, int i) {
        if (pick(overlongOdds_) == 0) return std::string(kMaxLineLength + pick(3), '7');
        switch (pick(40)) {
            case 0: return "";
            case 1: return "   \t";
            case 2: return "garbage in the middle";
            case 3: return record(kind, i) + " 1.5";
            case 4: return record(kind, i).substr(0, 20);
            case 5: return record(kind, i) + "x";
            default: return record(kind, i);
        }
    }

    std::mt19937 random_;
    int overlongOdds_;
};

TEST(ParallelParse, RandomFilesReadAsLineByLineWhereverTheRunsSplit) {
    for (const SourceKind kind : {SourceKind::TransmitTxt, SourceKind::TrimDat, SourceKind::WinAgile}) {
        for (unsigned seed = 1; seed <= 12; ++seed) {
            FileMaker maker(seed * 31 + static_cast<unsigned>(kind), 50);
            const ReadSource source = ReadSource::InMemory(maker.make(kind, 20 + static_cast<int>(seed) * 15));
            // lineCountChange < 0: the file grew after it was counted.
            for (const int lineCountChange : {0, -7}) {
                SCOPED_TRACE(::testing::Message()
                             << "kind " << static_cast<int>(kind) << " seed " << seed << " change " << lineCountChange);
                const ReadResult expected = ReadWith(kLineByLine, kind, source, lineCountChange);
                for (const unsigned threads : {1u, 2u, 3u, 7u})
                    ExpectSameRead(expected, ReadWith({threads, 0, 0}, kind, source, lineCountChange));
            }
        }
    }
}

TEST(ParallelParse, FilesOnDiskAndTheExamplesReadAsLineByLine) {
    test::TempDir dir;
    std::vector<std::pair<SourceKind, std::filesystem::path>> files = {
        {SourceKind::TransmitTxt, std::filesystem::path(ZELKOR_EXAMPLES_DIR) / "transmit-sample.txt"},
        {SourceKind::TrimDat, std::filesystem::path(ZELKOR_EXAMPLES_DIR) / "trim-sample.dat"},
        {SourceKind::WinAgile, std::filesystem::path(ZELKOR_EXAMPLES_DIR) / "winagile-sample.pnt"}};
    // Several reads of the smallest size per run, with overlong lines among them.
    FileMaker maker(2026, 1000);
    files.emplace_back(SourceKind::TransmitTxt, dir.write("big.txt", maker.make(SourceKind::TransmitTxt, 12000)));
    files.emplace_back(SourceKind::WinAgile, dir.write("big.pnt", maker.make(SourceKind::WinAgile, 9000)));
    for (const auto& [kind, path] : files) {
        SCOPED_TRACE(path.string());
        const ReadResult expected = ReadWith(kLineByLine, kind, path, 0);
        ASSERT_GT(expected.set.count, 0);
        ExpectSameRead(expected, ReadWith({2, 0, 0}, kind, path, 0));
        ExpectSameRead(expected, ReadWith({5, 4096, 300000}, kind, path, 0));
        ExpectSameRead(ReadWith(kLineByLine, kind, path, -3), ReadWith({3, 0, 0}, kind, path, -3));
    }
}

// A file rewritten between the count and the parse: the runs counted no
// longer fit it, so it is read in one run against the storage counted.
TEST(ParallelParse, AFileChangedSinceItsCountIsReadAsLineByLine) {
    test::TempDir dir;
    FileMaker maker(99, 1000);
    const std::string text = maker.make(SourceKind::TransmitTxt, 4000);
    const std::size_t middle = text.size() / 2;
    // Same size, every line start from the middle on moved by one; and longer.
    const std::string shifted = text.substr(0, middle) + " " + text.substr(middle, text.size() - middle - 1);
    const std::string grown = text + text.substr(text.size() / 3);
    for (const std::string& changed : {shifted, grown}) {
        const std::filesystem::path path = dir.write("changed.txt", text);
        const ReaderPasses& reader = ReaderFor(SourceKind::TransmitTxt);
        CountResult counted;
        {
            const SplitGuard guard({3, 0, 0});
            counted = reader.count(path, NoProgress());
        }
        ASSERT_EQ(counted.ranges.runs.size(), 3u);
        dir.write("changed.txt", changed);
        const SplitGuard guard({3, 0, 0});
        const ReadResult read = reader.read(path, counted, NoProgress());
        CountResult oneRun;
        oneRun.lineCount = counted.lineCount;
        ExpectSameRead(reader.read(path, oneRun, NoProgress()), read);
    }
}

TEST(ParallelParse, ProgressReachesTheSameTotalFromTheCallingThreadAlone) {
    struct Recorder : Progress {
        int total = 0;
        void advance(int steps) override { total += steps; }
    };
    std::string text = test::SrimTransmitHeader("== line ten ==");
    for (int i = 0; i < 3000; ++i)
        text += "T" + std::to_string(i + 1) +
                " 6 .5021068E+07 1128014E-01 .8270E+03 .9847E+03 .9990612 .0362965 .0236495\r\n";
    const ReadSource source = ReadSource::InMemory(text);
    const ReaderPasses& reader = ReaderFor(SourceKind::TransmitTxt);
    int totals[2] = {};
    int lineCount = 0;
    for (const int parallel : {0, 1}) {
        const SplitGuard guard(parallel != 0 ? ParseThreads{4, 0, 0} : kLineByLine);
        const CountResult counted = reader.count(source, NoProgress());
        lineCount = counted.lineCount;
        Recorder progress;
        EXPECT_EQ(reader.read(source, counted, progress).set.count, 3000);
        totals[parallel] = progress.total;
    }
    EXPECT_EQ(totals[0], 3000 / (lineCount / 95));
    EXPECT_EQ(totals[1], totals[0]);
}

}  // namespace
}  // namespace zelkor
