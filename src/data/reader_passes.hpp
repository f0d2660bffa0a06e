#pragma once

// The passes the three readers share; each reader supplies its markers,
// header layout and the parse of one record line.

#include "data/line_reader.hpp"
#include "data/field_scan.hpp"
#include "data/particle_reader.hpp"

#include <cstdint>
#include <initializer_list>
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

// A record line parser: fills the record, the atomic number (if the format
// has one) and the decimals of the last field (if they are fixed), and returns
// false when the line cannot be read whole.
template <class ParseLine>
ReadResult ReadRecordLines(const ReadSource& source, int lineCount, Progress& progress,
                           const RecordFileLayout& layout, ParseLine parseLine) {
    ReadResult result;
    ParticleSet& set = result.set;
    set.lineCount = lineCount;
    // Allocated once; slots are built as records arrive, so the storage is
    // touched once instead of being cleared first.
    const std::size_t slots = static_cast<std::size_t>(lineCount > 1 ? lineCount : 1);
    set.records.reserve(slots);

    LineReader reader;
    if (!reader.open(source)) {
        result.failure = ErrorMessage(layout.openFailureText);
        return result;
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
    int previousDecimals = -1;  // of the last record read
    auto skip = [&result, &reader] {
        if (result.skippedLines++ == 0) result.firstSkippedLine = reader.lineNumber();
    };
    while (reader.next(line)) {
        if (line.tooLong) {
            skip();
            continue;
        }
        if (IsBlankLine(line.text)) continue;
        const bool cut = layout.fixedDecimals && !line.hadLineEnd && previousDecimals >= 0 &&
                         LastFieldDecimals(line.text) < previousDecimals;
        // The file may have grown since it was counted: never beyond the storage.
        if (cut || set.records.size() >= slots) {
            skip();
            continue;
        }
        ParticleRecord& record = set.records.emplace_back();
        int atomZ = 0;
        int decimals = 0;
        if (!parseLine(line.text, record, atomZ, decimals) || !IsFiniteRecord(record)) {
            set.records.pop_back();
            skip();
            continue;
        }
        ++set.count;
        previousDecimals = decimals;
        if (layout.keptHeaderLine > 0) result.atomZ = atomZ;
        if (set.count % period == 0) progress.advance(1);
        progress.yield();
    }
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
