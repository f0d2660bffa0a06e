#pragma once

// The passes the three readers share; each reader supplies its markers,
// header layout and the parse of one record line.

#include "data/field_scan.hpp"
#include "data/first_lines.hpp"
#include "data/line_ranges.hpp"
#include "data/line_reader.hpp"
#include "data/parse_threads.hpp"
#include "data/particle_reader.hpp"

#include <atomic>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace zelkor {

// Passes when some line holds one of the markers from its second character on
// (and, if asked, is followed by at least one more line).
CheckResult CheckForMarker(const ReadSource& source, std::initializer_list<std::string_view> markers,
                           bool needsFollowingLine, Progress& progress);

// Opening and closing only: the check of a format without a marker.
CheckResult CheckOpenClose(const ReadSource& source, const char* openFailureText);

// Line reads of a 1000-byte buffer over the whole file, plus offset. A file
// whose count does not fit maxLineCount is refused with kTooManyLinesText.
// A large file is counted in runs of whole lines on every thread, and the
// runs are kept in the result for the parse.
CountResult CountLineReads(const ReadSource& source, int offset, const char* openFailureText, Progress& progress,
                           std::int64_t maxLineCount = std::numeric_limits<int>::max());

// Digits after the decimal point (or comma) of the last blank-separated field.
inline int LastFieldDecimals(std::string_view line) {
    std::size_t end = line.size();
    while (end > 0 && IsBlank(line[end - 1])) --end;
    std::size_t i = end;
    while (i > 0 && !IsBlank(line[i - 1])) --i;
    while (i < end && line[i] != '.' && line[i] != ',') ++i;
    int decimals = 0;
    for (++i; i < end && line[i] >= '0' && line[i] <= '9'; ++i) ++decimals;
    return decimals;
}

// Every number a reader stores is finite: a value that overflowed on the
// way in (1.0E+300 m in Angstrom) makes its line unreadable.
bool IsFiniteRecord(const ParticleRecord& record);

struct RecordFileLayout {
    int headerLines = 0;     // lines before the first record
    int keptHeaderLine = 0;  // 1-based line kept as headerLine; 0 for none
    // Cosines are written with a fixed number of decimals, so a last line
    // without a line end whose last field has fewer was cut.
    bool fixedDecimals = false;
    const char* openFailureText = "";
};

// What the parse of one run of lines found.
struct RunTally {
    std::size_t records = 0;
    std::int64_t skipped = 0;
    std::int64_t firstSkipped = 0;  // line number in the file
    int lastDecimals = -1;          // of the last record read, -1 for none
    int lastAtomZ = 0;
    std::int64_t lines = 0;
    bool readFailed = false;
    bool asCounted = true;  // false: the file is not what the count pass saw
    // The file's last line when it has no line end: the cut-line rule needs
    // the records before it, so it is read after the runs are joined.
    bool hasOpenLine = false;
    std::string openLineText;
    TextLine openLine;
    std::int64_t openLineNumber = 0;
    std::atomic<std::size_t> recordsSoFar{0};  // for the progress bar
};

// Parses the lines of a run into out[0..]: at most expectedLines of them, all
// but the file's last one ending with a line end, else the run is not as counted.
template <class ParseLine, class OnRecords>
void ParseRun(LineReader& reader, std::int64_t firstLineNumber, std::int64_t expectedLines, bool lastRun,
              ParticleRecord* out, ParseLine& parseLine, RunTally& tally, OnRecords onRecords) {
    TextLine line;
    while (reader.next(line)) {
        if (reader.lineNumber() > expectedLines || (!line.hadLineEnd && !lastRun)) {
            tally.asCounted = false;
            return;
        }
        if (!line.hadLineEnd) {
            tally.hasOpenLine = true;
            tally.openLineText.assign(line.text);
            tally.openLine = line;
            tally.openLine.text = tally.openLineText;
            tally.openLineNumber = firstLineNumber + reader.lineNumber() - 1;
            break;
        }
        if (!line.tooLong && IsBlankLine(line.text)) continue;
        ParticleRecord record;
        int atomZ = 0;
        int decimals = 0;
        if (line.tooLong || !parseLine(line.text, record, atomZ, decimals) || !IsFiniteRecord(record)) {
            if (tally.skipped++ == 0) tally.firstSkipped = firstLineNumber + reader.lineNumber() - 1;
            continue;
        }
        out[tally.records++] = record;
        tally.lastDecimals = decimals;
        tally.lastAtomZ = atomZ;
        if ((tally.records & 0xff) == 0) {
            tally.recordsSoFar.store(tally.records, std::memory_order_relaxed);
            onRecords();
        }
    }
    tally.lines = reader.lineNumber();
    tally.readFailed = reader.readFailed();
}

// Where each counted run's records go, when every run can be parsed on its
// own: the header lies in the first run and the records fit the storage.
std::vector<std::size_t> RunSlots(const LineRanges& ranges, std::uint64_t fileBytes, int headerLines,
                                  std::size_t slots);

// A record line parser: fills the record, the atomic number (if the format
// has one) and the decimals of the last field (if they are fixed), and returns
// false when the line cannot be read whole.
template <class ParseLine>
ReadResult ReadRecordLines(const ReadSource& source, const CountResult& counted, Progress& progress,
                           const RecordFileLayout& layout, ParseLine parseLine) {
    ReadResult result;
    ParticleSet& set = result.set;
    const int lineCount = counted.lineCount;
    set.lineCount = lineCount;
    // Allocated once and not cleared: records are written as they arrive,
    // each run's by the thread that parses it, so every page is touched once.
    const std::size_t slots = static_cast<std::size_t>(lineCount > 1 ? lineCount : 1);
    set.records.reserve(slots);
    std::size_t filled = 1;  // slot 0 and the records read

    const ParseThreads split = CurrentParseThreads();
    SharedSource shared(source);
    if (!shared.open()) {
        result.failure = ErrorMessage(layout.openFailureText);
        return result;
    }
    {
        UnwrittenGrowth unwritten;
        set.records.resize(slots);
    }
    auto readHeader = [&](LineReader& reader) {
        TextLine line;
        for (int n = 1; n <= layout.headerLines; ++n) {
            if (!reader.next(line)) break;
            KeepFirstLine(result.firstLines, line);
            // Kept with a line end even when the file stops right after it, so
            // that a file written from it never runs two lines together.
            if (n == layout.keptHeaderLine) result.headerLine.assign(line.text).push_back('\n');
        }
        if (layout.keptHeaderLine > 0 && result.headerLine.empty()) result.headerLine = "\n";
    };

    const int period = ProgressPeriod(lineCount, 95);
    std::int64_t steps = 0;  // progress steps given: count / period
    auto stepTo = [&](std::int64_t reached) {
        for (; steps < reached / period; ++steps) progress.advance(1);
    };
    int previousDecimals = -1;  // of the last record read
    auto skipLine = [&result](std::int64_t lineNumber) {
        if (result.skippedLines++ == 0) result.firstSkippedLine = lineNumber;
    };
    // One line at a time, with every rule.
    auto readLine = [&](const TextLine& text, std::int64_t lineNumber) {
        if (text.tooLong) return skipLine(lineNumber);
        if (IsBlankLine(text.text)) return;
        const bool cut = layout.fixedDecimals && !text.hadLineEnd && previousDecimals >= 0 &&
                         LastFieldDecimals(text.text) < previousDecimals;
        // The file may have grown since it was counted: never beyond the storage.
        if (cut || filled >= slots) return skipLine(lineNumber);
        ParticleRecord record;
        int atomZ = 0;
        int decimals = 0;
        if (!parseLine(text.text, record, atomZ, decimals) || !IsFiniteRecord(record)) return skipLine(lineNumber);
        set.records[filled++] = record;
        ++set.count;
        previousDecimals = decimals;
        if (layout.keptHeaderLine > 0) result.atomZ = atomZ;
        stepTo(set.count);
        progress.yield();
    };
    bool readFailed = false;
    auto readInOneRun = [&] {
        LineReader reader;
        shared.openRange(reader, 0, LineReader::kToEndOfFile, split.blockBytes);
        readHeader(reader);
        TextLine line;
        while (reader.next(line)) readLine(line, reader.lineNumber());
        readFailed = reader.readFailed();
    };
    // Every run on its own thread, each into its own slice of the storage,
    // which nothing else reads until all are joined.
    auto readRuns = [&](const std::vector<std::size_t>& starts) {
        const std::vector<LineRange>& runs = counted.ranges.runs;
        std::vector<RunTally> tallies(runs.size());
        std::vector<std::int64_t> firstLines(runs.size(), 1);
        for (std::size_t k = 1; k < runs.size(); ++k) firstLines[k] = firstLines[k - 1] + runs[k - 1].lines;
        ParticleRecord* const storage = set.records.data();
        // The window hears only from this thread, of the records all runs have read.
        auto report = [&] {
            std::size_t records = 0;
            for (const RunTally& tally : tallies) records += tally.recordsSoFar.load(std::memory_order_relaxed);
            stepTo(static_cast<std::int64_t>(records));
            progress.yield();
        };
        RunOnThreads(
            runs.size(),
            [&](std::size_t k) {
                LineReader reader;
                shared.openRange(reader, runs[k].begin, runs[k].end, split.blockBytes);
                if (k == 0) readHeader(reader);
                ParseRun(reader, firstLines[k], runs[k].lines, k + 1 == runs.size(), storage + starts[k], parseLine,
                         tallies[k], k == 0 ? std::function<void()>(report) : std::function<void()>([] {}));
            },
            report);
        for (std::size_t k = 0; k < runs.size(); ++k)
            if (!tallies[k].asCounted || (k + 1 < runs.size() && tallies[k].lines != runs[k].lines)) return false;
        // Slices close up in file order; then the runs read as if line by line.
        for (std::size_t k = 0; k < runs.size(); ++k) {
            const RunTally& tally = tallies[k];
            if (filled != starts[k])
                std::memmove(storage + filled, storage + starts[k], tally.records * sizeof(ParticleRecord));
            filled += tally.records;
            if (tally.skipped > 0) {
                if (result.skippedLines == 0) result.firstSkippedLine = tally.firstSkipped;
                result.skippedLines += tally.skipped;
            }
            if (tally.records > 0) {
                previousDecimals = tally.lastDecimals;
                if (layout.keptHeaderLine > 0) result.atomZ = tally.lastAtomZ;
            }
            readFailed = readFailed || tally.readFailed;
        }
        set.count = static_cast<int>(filled - 1);
        stepTo(set.count);
        const RunTally& last = tallies.back();
        if (last.hasOpenLine) readLine(last.openLine, last.openLineNumber);
        return true;
    };

    const std::vector<std::size_t> starts = split.threads > 0
                                                ? RunSlots(counted.ranges, shared.size(), layout.headerLines, slots)
                                                : std::vector<std::size_t>();
    const bool readAsRuns = !starts.empty() && readRuns(starts);
    if (!starts.empty() && !readAsRuns) {
        // The file changed since it was counted: all again from the start, in the same storage.
        auto storage = std::move(set.records);
        result = ReadResult();
        set.records = std::move(storage);
        set.lineCount = lineCount;
        filled = 1;
        previousDecimals = -1;
        readFailed = false;
    }
    if (!readAsRuns) readInOneRun();
    set.records.resize(filled);
    const bool closed = shared.close();
    if (readFailed || !closed) {
        set.count = 0;
        result.atomZ.reset();
        result.failure = ErrorMessage(readFailed ? layout.openFailureText : kCannotCloseText);
    }
    return result;
}

}  // namespace zelkor
