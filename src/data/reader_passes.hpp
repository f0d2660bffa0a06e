#pragma once

// The passes the three readers share; each reader supplies its markers,
// header layout and the parse of one record line.

#include "data/line_reader.hpp"
#include "data/field_scan.hpp"
#include "data/particle_reader.hpp"

#include <initializer_list>
#include <string_view>

namespace zelkor {

// Passes when some line holds one of the markers from its second character on
// (and, if asked, is followed by at least one more line).
CheckResult CheckForMarker(const std::filesystem::path& path, std::initializer_list<std::string_view> markers,
                           bool needsFollowingLine, Progress& progress);

// Opening and closing only: the check of a format without a marker.
CheckResult CheckOpenClose(const std::filesystem::path& path, const char* openFailureText);

// Line reads of a 1000-byte buffer over the whole file, plus offset.
CountResult CountLineReads(const std::filesystem::path& path, int offset, const char* openFailureText,
                           Progress& progress);

struct RecordFileLayout {
    int headerLines = 0;        // lines before the first record
    int keptHeaderLine = 0;     // 1-based line kept as headerLine; 0 for none
    bool fixedWidth = false;    // every record line has one width, so a short last line was cut
    const char* openFailureText = "";
};

// A record line parser: fills the record and the atomic number (if the
// format has one) and returns false when the line cannot be read whole.
template <class ParseLine>
ReadResult ReadRecordLines(const std::filesystem::path& path, int lineCount, Progress& progress,
                           const RecordFileLayout& layout, ParseLine parseLine) {
    ReadResult result;
    ParticleSet& set = result.set;
    set.lineCount = lineCount;
    // Allocated once; slots are built as records arrive, so the storage is
    // touched once instead of being cleared first.
    set.records.reserve(static_cast<std::size_t>(lineCount > 1 ? lineCount : 1));

    LineReader reader;
    if (!reader.open(path)) {
        result.failure = ErrorMessage(layout.openFailureText);
        return result;
    }
    std::string_view line;
    bool hadLineEnd = false;
    for (int n = 1; n <= layout.headerLines; ++n) {
        if (!reader.next(line, hadLineEnd)) break;
        // Kept with a line end even when the file stops right after it, so
        // that a file written from it never runs two lines together.
        if (n == layout.keptHeaderLine) result.headerLine.assign(line).push_back('\n');
    }
    if (layout.keptHeaderLine > 0 && result.headerLine.empty()) result.headerLine = "\n";

    const int period = ProgressPeriod(lineCount, 95);
    std::size_t previousRecordWidth = 0;
    auto skip = [&result, &reader] {
        if (result.skippedLines++ == 0) result.firstSkippedLine = reader.lineNumber();
    };
    while (reader.next(line, hadLineEnd)) {
        if (IsBlankLine(line)) continue;
        const bool cut = layout.fixedWidth && !hadLineEnd && line.size() < previousRecordWidth;
        previousRecordWidth = line.size();
        // The file may have grown since it was counted: never beyond the storage.
        if (cut || set.records.size() >= set.records.capacity()) {
            skip();
            continue;
        }
        ParticleRecord& record = set.records.emplace_back();
        int atomZ = 0;
        if (!parseLine(line, record, atomZ)) {
            set.records.pop_back();
            skip();
            continue;
        }
        ++set.count;
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
