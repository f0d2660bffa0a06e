#pragma once

// The parse pass the three readers share: the header, then every record line
// into the set's storage, on several threads when the count pass split the file.

#include "data/field_extents.hpp"
#include "data/first_lines.hpp"
#include "data/reader_passes.hpp"

#include <atomic>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelkor {

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
    FieldExtents extents;                      // of the records read
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
    // Measured after the parse, in a loop that keeps the extents in registers.
    FieldExtents extents;
    for (std::size_t i = 0; i < tally.records; ++i) extents.take(FieldValuesOf(out[i]));
    tally.extents = extents;
}

// One parse of a counted file. The storage is allocated once and not cleared:
// records are written as they arrive, each run's by the thread that parses
// it, so every page is touched once. A file that is no longer as it was
// counted is read again from the start in one run, into the same storage.
template <class ParseLine>
class RecordLinesReader {
public:
    RecordLinesReader(const ReadSource& source, const CountResult& counted, Progress& progress,
                      const RecordFileLayout& layout, ParseLine parseLine)
        : counted_(counted),
          progress_(progress),
          layout_(layout),
          parseLine_(parseLine),
          slots_(static_cast<std::size_t>(counted.lineCount > 1 ? counted.lineCount : 1)),
          split_(CurrentParseThreads()),
          shared_(source),
          period_(ProgressPeriod(counted.lineCount, 95)) {}
    RecordLinesReader(const RecordLinesReader&) = delete;
    RecordLinesReader& operator=(const RecordLinesReader&) = delete;

    // Once per reader.
    ReadResult read() {
        ParticleSet& set = result_.set;
        set.lineCount = counted_.lineCount;
        set.records.reserve(slots_);
        if (!shared_.open()) {
            result_.failure = ErrorMessage(layout_.openFailureText);
            return std::move(result_);
        }
        {
            UnwrittenGrowth unwritten;
            set.records.resize(slots_);
        }
        const std::vector<std::size_t> starts =
            split_.threads > 0 ? RunSlots(counted_.ranges, shared_.size(), layout_.headerLines, slots_)
                               : std::vector<std::size_t>();
        const bool readAsRuns = !starts.empty() && readRuns(starts);
        if (!starts.empty() && !readAsRuns) startAgain();
        if (!readAsRuns) readInOneRun();
        return finish();
    }

private:
    void readHeader(LineReader& reader) {
        TextLine line;
        for (int n = 1; n <= layout_.headerLines; ++n) {
            if (!reader.next(line)) break;
            KeepFirstLine(result_.firstLines, line);
            // Kept with a line end even when the file stops right after it, so
            // that a file written from it never runs two lines together.
            if (n == layout_.keptHeaderLine) result_.headerLine.assign(line.text).push_back('\n');
        }
        if (layout_.keptHeaderLine > 0 && result_.headerLine.empty()) result_.headerLine = "\n";
    }

    // Progress steps of count / period.
    void stepTo(std::int64_t reached) {
        for (; steps_ < reached / period_; ++steps_) progress_.advance(1);
    }

    void skipLine(std::int64_t lineNumber) {
        if (result_.skippedLines++ == 0) result_.firstSkippedLine = lineNumber;
    }

    // One line at a time, with every rule.
    void readLine(const TextLine& text, std::int64_t lineNumber) {
        if (text.tooLong) return skipLine(lineNumber);
        if (IsBlankLine(text.text)) return;
        const bool cut = layout_.fixedDecimals && !text.hadLineEnd && previousDecimals_ >= 0 &&
                         LastFieldDecimals(text.text) < previousDecimals_;
        // The file may have grown since it was counted: never beyond the storage.
        if (cut || filled_ >= slots_) return skipLine(lineNumber);
        ParticleRecord record;
        int atomZ = 0;
        int decimals = 0;
        if (!parseLine_(text.text, record, atomZ, decimals) || !IsFiniteRecord(record)) return skipLine(lineNumber);
        result_.set.records[filled_++] = record;
        extents_.take(FieldValuesOf(record));
        ++result_.set.count;
        previousDecimals_ = decimals;
        if (layout_.keptHeaderLine > 0) result_.atomZ = atomZ;
        stepTo(result_.set.count);
        progress_.yield();
    }

    void readInOneRun() {
        LineReader reader;
        shared_.openRange(reader, 0, LineReader::kToEndOfFile, split_.blockBytes);
        readHeader(reader);
        TextLine line;
        while (reader.next(line)) readLine(line, reader.lineNumber());
        readFailed_ = reader.readFailed();
    }

    // The counted runs, or false when one is not as the count pass saw it.
    bool readRuns(const std::vector<std::size_t>& starts) {
        const std::vector<LineRange>& runs = counted_.ranges.runs;
        std::vector<RunTally> tallies(runs.size());
        parseRuns(starts, tallies);
        for (std::size_t k = 0; k < runs.size(); ++k)
            if (!tallies[k].asCounted || (k + 1 < runs.size() && tallies[k].lines != runs[k].lines)) return false;
        joinRuns(starts, tallies);
        const RunTally& last = tallies.back();
        if (last.hasOpenLine) readLine(last.openLine, last.openLineNumber);
        return true;
    }

    // Every run on its own thread, each into its own slice of the storage,
    // which nothing else reads until all are joined.
    void parseRuns(const std::vector<std::size_t>& starts, std::vector<RunTally>& tallies) {
        const std::vector<LineRange>& runs = counted_.ranges.runs;
        std::vector<std::int64_t> firstLines(runs.size(), 1);
        for (std::size_t k = 1; k < runs.size(); ++k) firstLines[k] = firstLines[k - 1] + runs[k - 1].lines;
        ParticleRecord* const storage = result_.set.records.data();
        // The window hears only from this thread, of the records all runs have read.
        auto report = [&] { reportRuns(tallies); };
        RunOnThreads(
            runs.size(),
            [&](std::size_t k) {
                LineReader reader;
                shared_.openRange(reader, runs[k].begin, runs[k].end, split_.blockBytes);
                if (k == 0) readHeader(reader);
                ParseRun(reader, firstLines[k], runs[k].lines, k + 1 == runs.size(), storage + starts[k], parseLine_,
                         tallies[k], k == 0 ? std::function<void()>(report) : std::function<void()>([] {}));
            },
            report);
    }

    void reportRuns(const std::vector<RunTally>& tallies) {
        std::size_t records = 0;
        for (const RunTally& tally : tallies) records += tally.recordsSoFar.load(std::memory_order_relaxed);
        stepTo(static_cast<std::int64_t>(records));
        progress_.yield();
    }

    // Slices close up in file order; then the runs read as if line by line.
    void joinRuns(const std::vector<std::size_t>& starts, const std::vector<RunTally>& tallies) {
        ParticleRecord* const storage = result_.set.records.data();
        for (std::size_t k = 0; k < tallies.size(); ++k) {
            const RunTally& tally = tallies[k];
            if (filled_ != starts[k])
                std::memmove(storage + filled_, storage + starts[k], tally.records * sizeof(ParticleRecord));
            filled_ += tally.records;
            if (tally.skipped > 0) {
                if (result_.skippedLines == 0) result_.firstSkippedLine = tally.firstSkipped;
                result_.skippedLines += tally.skipped;
            }
            if (tally.records > 0) {
                previousDecimals_ = tally.lastDecimals;
                if (layout_.keptHeaderLine > 0) result_.atomZ = tally.lastAtomZ;
            }
            readFailed_ = readFailed_ || tally.readFailed;
            extents_.take(tally.extents);
        }
        result_.set.count = static_cast<int>(filled_ - 1);
        stepTo(result_.set.count);
    }

    // The file changed since it was counted: all again from the start, in the
    // same storage (the progress bar keeps the steps it has taken).
    void startAgain() {
        auto storage = std::move(result_.set.records);
        result_ = ReadResult();
        result_.set.records = std::move(storage);
        result_.set.lineCount = counted_.lineCount;
        filled_ = 1;
        previousDecimals_ = -1;
        readFailed_ = false;
        extents_ = FieldExtents();
    }

    ReadResult finish() {
        result_.set.records.resize(filled_);
        const bool closed = shared_.close();
        if (readFailed_ || !closed) {
            result_.set.count = 0;
            result_.atomZ.reset();
            result_.failure = ErrorMessage(readFailed_ ? layout_.openFailureText : kCannotCloseText);
        } else {
            result_.set.readExtents = extents_;
        }
        return std::move(result_);
    }

    const CountResult& counted_;
    Progress& progress_;
    const RecordFileLayout& layout_;
    ParseLine parseLine_;
    const std::size_t slots_;
    const ParseThreads split_;
    SharedSource shared_;
    const int period_;
    ReadResult result_;
    std::size_t filled_ = 1;     // slot 0 and the records read
    std::int64_t steps_ = 0;     // progress steps given
    int previousDecimals_ = -1;  // of the last record read
    bool readFailed_ = false;
    FieldExtents extents_;  // of the records stored
};

// A record line parser: fills the record, the atomic number (if the format
// has one) and the decimals of the last field (if they are fixed), and returns
// false when the line cannot be read whole.
template <class ParseLine>
ReadResult ReadRecordLines(const ReadSource& source, const CountResult& counted, Progress& progress,
                           const RecordFileLayout& layout, ParseLine parseLine) {
    return RecordLinesReader<ParseLine>(source, counted, progress, layout, parseLine).read();
}

}  // namespace zelkor
