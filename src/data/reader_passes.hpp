#pragma once

// The passes the three readers share; each reader supplies its markers,
// header layout and the parse of one record line.

#include "data/line_reader.hpp"
#include "data/field_scan.hpp"
#include "data/particle_reader.hpp"

#include "data/parse_threads.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <initializer_list>
#include <thread>
#include <vector>
#include <limits>
#include <string_view>

namespace zelkor {

// Passes when some line holds one of the markers from its second character on
// (and, if asked, is followed by at least one more line).
CheckResult CheckForMarker(const ReadSource& source, std::initializer_list<std::string_view> markers,
                           bool needsFollowingLine, Progress& progress);

// Opening and closing only: the check of a format without a marker.
CheckResult CheckOpenClose(const ReadSource& source, const char* openFailureText);

// Line reads of a 1000-byte buffer over the whole file, plus offset. A file
// whose count does not fit maxLineCount is refused with kTooManyLinesText.
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
    int headerLines = 0;        // lines before the first record
    int keptHeaderLine = 0;     // 1-based line kept as headerLine; 0 for none
    // Cosines are written with a fixed number of decimals, so a last line
    // without a line end whose last field has fewer was cut.
    bool fixedDecimals = false;
    const char* openFailureText = "";
};

// Line ends in whole lines: the number of lines they hold.
std::int64_t CountLineEnds(std::string_view wholeLines);

// Splits whole lines at line ends into at most parts chunks of about equal size.
std::vector<std::string_view> SplitAtLineEnds(std::string_view wholeLines, unsigned parts);

// What the parse of a run of whole lines found.
struct ChunkTally {
    int records = 0;
    std::int64_t skipped = 0;
    std::int64_t firstSkipped = 0;  // line number in the file
    int lastDecimals = -1;          // of the last record read, -1 for none
    int lastAtomZ = 0;
    std::int64_t lines = 0;
    bool overLimit = false;  // stopped at maxLines with lines left
    std::exception_ptr failure;
};

// Parses lines that all end with a line end into out[0..]; the cut-line rule
// does not apply to them. Past maxLines lines the slot limit might, so the
// parse stops there and says so.
template <class ParseLine, class OnRecord>
void ParseWholeLines(std::string_view lines, std::int64_t firstLineNumber, ParticleRecord* out,
                     ParseLine& parseLine, ChunkTally& tally, std::int64_t maxLines, OnRecord onRecord) {
    LineReader reader;
    reader.openBytes(lines);
    TextLine line;
    while (reader.next(line)) {
        if (reader.lineNumber() > maxLines) {
            tally.overLimit = true;
            return;
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
        onRecord(tally.records);
    }
    tally.lines = reader.lineNumber();
}

// A record line parser: fills the record, the atomic number (if the format
// has one) and the decimals of the last field (if they are fixed), and returns
// false when the line cannot be read whole.
template <class ParseLine>
ReadResult ReadRecordLines(const ReadSource& source, int lineCount, Progress& progress,
                           const RecordFileLayout& layout, ParseLine parseLine) {
    ReadResult result;
    ParticleSet& set = result.set;
    set.lineCount = lineCount;
    // Allocated once and not cleared: records are written as they arrive,
    // each slice by the thread that parses it, so every page is touched once.
    const std::size_t slots = static_cast<std::size_t>(lineCount > 1 ? lineCount : 1);
    set.records.reserve(slots);
    std::size_t filled = 1;  // slot 0 and the records read

    const ParseThreads split = CurrentParseThreads();
    LineReader reader;
    if (!reader.open(source, split.blockBytes)) {
        result.failure = ErrorMessage(layout.openFailureText);
        return result;
    }
    {
        UnwrittenGrowth unwritten;
        set.records.resize(slots);
    }
    TextLine line;
    for (int n = 1; n <= layout.headerLines; ++n) {
        if (!reader.next(line)) break;
        // Kept with a line end even when the file stops right after it, so
        // that a file written from it never runs two lines together.
        if (n == layout.keptHeaderLine) result.headerLine.assign(line.text).push_back('\n');
    }
    if (layout.keptHeaderLine > 0 && result.headerLine.empty()) result.headerLine = "\n";

    const int period = ProgressPeriod(lineCount, 95);
    std::int64_t steps = 0;  // progress steps given: count / period once a block is joined
    auto stepTo = [&](std::int64_t reached) {
        for (; steps < reached / period; ++steps) progress.advance(1);
    };
    int previousDecimals = -1;  // of the last record read
    auto skipLine = [&result](std::int64_t lineNumber) {
        if (result.skippedLines++ == 0) result.firstSkippedLine = lineNumber;
    };
    // One line at a time, with every rule: the reference for the blocks below.
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
    auto readBlock = [&](std::string_view lines) {
        const std::int64_t firstLine = reader.lineNumber() + 1;
        // Chunks of at least half the parallel threshold, so that a machine
        // with many threads does not start more of them than the block feeds.
        const std::size_t chunkFloor = std::max<std::size_t>(split.minParallelBytes / 2, 1);
        const unsigned parts = lines.size() < split.minParallelBytes
                                   ? 1
                                   : static_cast<unsigned>(std::min<std::size_t>(split.threads, lines.size() / chunkFloor));
        auto lineByLine = [&] {
            LineReader each;
            each.openBytes(lines);
            TextLine text;
            while (each.next(text)) readLine(text, firstLine + each.lineNumber() - 1);
            return each.lineNumber();
        };
        if (parts <= 1) return reader.countTaken(lineByLine());
        const std::vector<std::string_view> chunks = SplitAtLineEnds(lines, parts);
        // Every chunk but the last is counted here, to place its slice; the
        // last one counts itself and stops where the slot limit could bite.
        std::vector<std::size_t> starts(chunks.size());
        std::vector<std::int64_t> firstLines(chunks.size());
        const std::size_t base = filled;
        std::size_t at = base;
        for (std::size_t k = 0; k < chunks.size(); ++k) {
            starts[k] = at;
            firstLines[k] = firstLine + static_cast<std::int64_t>(at - base);
            if (k + 1 < chunks.size()) at += static_cast<std::size_t>(CountLineEnds(chunks[k]));
        }
        // Near the slot limit (a file grown since it was counted) every line
        // must see the count before it: one by one.
        if (at >= slots) return reader.countTaken(lineByLine());
        std::vector<ChunkTally> tallies(chunks.size());
        ParticleRecord* const storage = set.records.data();
        const std::int64_t countBefore = set.count;
        const std::int64_t unlimited = std::numeric_limits<std::int64_t>::max();
        {
            std::vector<std::jthread> workers;
            for (std::size_t k = 1; k < chunks.size(); ++k)
                workers.emplace_back([&, k] {
                    const std::int64_t maxLines =
                        k + 1 < chunks.size() ? unlimited : static_cast<std::int64_t>(slots - starts[k]);
                    try {
                        ParseWholeLines(chunks[k], firstLines[k], storage + starts[k], parseLine, tallies[k], maxLines,
                                        [](int) {});
                    } catch (...) {
                        tallies[k].failure = std::current_exception();
                    }
                });
            // The window hears only from this thread; the other chunks' records
            // are added at the join, so the bar never runs ahead of the count.
            ParseWholeLines(chunks[0], firstLines[0], storage + starts[0], parseLine, tallies[0], unlimited,
                            [&](int records) {
                                stepTo(countBefore + records);
                                progress.yield();
                            });
        }
        for (const ChunkTally& tally : tallies)
            if (tally.failure) std::rethrow_exception(tally.failure);
        if (tallies.back().overLimit) return reader.countTaken(lineByLine());
        std::int64_t blockLines = 0;
        for (const ChunkTally& tally : tallies) blockLines += tally.lines;
        reader.countTaken(blockLines);
        // Slices close up in file order; then the block reads as if line by line.
        std::size_t to = base;
        for (std::size_t k = 0; k < chunks.size(); ++k) {
            const ChunkTally& tally = tallies[k];
            if (to != starts[k]) std::memmove(storage + to, storage + starts[k], tally.records * sizeof(ParticleRecord));
            to += static_cast<std::size_t>(tally.records);
            if (tally.skipped > 0) {
                if (result.skippedLines == 0) result.firstSkippedLine = tally.firstSkipped;
                result.skippedLines += tally.skipped;
            }
            if (tally.records > 0) {
                set.count += tally.records;
                previousDecimals = tally.lastDecimals;
                if (layout.keptHeaderLine > 0) result.atomZ = tally.lastAtomZ;
            }
        }
        filled = to;
        stepTo(set.count);
    };

    for (;;) {
        if (split.threads > 0) {
            const std::string_view lines = reader.takeWholeLines();
            if (!lines.empty()) {
                readBlock(lines);
                continue;
            }
        }
        if (!reader.next(line)) break;
        readLine(line, reader.lineNumber());
    }
    set.records.resize(filled);
    const bool readFailed = reader.readFailed();
    const bool closed = reader.close();
    if (readFailed || !closed) {
        set.count = 0;
        result.atomZ.reset();
        result.failure = ErrorMessage(readFailed ? layout.openFailureText : kCannotCloseText);
    }
    return result;
}

} // namespace zelkor
