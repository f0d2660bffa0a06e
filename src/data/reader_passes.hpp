#pragma once

// The passes the three readers share; each reader supplies its markers,
// header layout and the parse of one record line. The parse pass itself is
// in record_lines_reader.hpp.

#include "data/field_scan.hpp"
#include "data/line_ranges.hpp"
#include "data/line_reader.hpp"
#include "data/parse_threads.hpp"
#include "data/particle_reader.hpp"

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>
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

// Where each counted run's records go, when every run can be parsed on its
// own: the header lies in the first run and the records fit the storage.
std::vector<std::size_t> RunSlots(const LineRanges& ranges, std::uint64_t fileBytes, int headerLines,
                                  std::size_t slots);

}  // namespace zelkor
