#include "data/reader_passes.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zelkor {

CheckResult CheckForMarker(const ReadSource& source, std::initializer_list<std::string_view> markers,
                           bool needsFollowingLine, Progress& progress) {
    LineReader reader;
    if (!reader.open(source)) return {CheckOutcome::CannotOpen, ErrorMessage(kCannotOpenText)};
    TextLine line;
    bool found = false;
    bool passed = false;
    while (!found && reader.next(line)) {
        progress.yield();
        // The first character of each line is read on its own before the
        // rest is searched, so a marker in the first column does not count.
        const std::string_view rest = line.text.empty() ? line.text : line.text.substr(1);
        for (const std::string_view marker : markers)
            if (rest.find(marker) != std::string_view::npos) found = true;
    }
    if (found) passed = !needsFollowingLine || reader.next(line);
    const bool closed = reader.close();
    if (!passed) return {CheckOutcome::Rejected, ErrorMessage(kBadFileText)};
    if (!closed) return {CheckOutcome::CannotClose, ErrorMessage(kCannotCloseText)};
    return {};
}

CheckResult CheckOpenClose(const ReadSource& source, const char* openFailureText) {
    LineReader reader;
    if (!reader.open(source)) return {CheckOutcome::CannotOpen, ErrorMessage(openFailureText)};
    if (!reader.close()) return {CheckOutcome::CannotClose, ErrorMessage(kCannotCloseText)};
    return {};
}

CountResult CountLineReads(const ReadSource& source, int offset, const char* openFailureText, Progress& progress,
                           std::int64_t maxLineCount) {
    progress.advance(5);
    LineReader reader;
    CountResult result;
    if (!reader.open(source)) {
        result.message = ErrorMessage(openFailureText);
        return result;
    }
    TextLine line;
    std::int64_t reads = 0;
    bool tooMany = false;
    while (!tooMany && reader.next(line)) {
        reads += LineReads(line.length, line.hadLineEnd);
        tooMany = reads + offset > maxLineCount;
        if ((reader.lineNumber() & 0x3fff) == 0) progress.yield();
    }
    const bool closed = reader.close();
    if (tooMany) {
        result.message = ErrorMessage(kTooManyLinesText);
        return result;
    }
    if (!closed) result.message = ErrorMessage(kCannotCloseText);
    result.lineCount = static_cast<int>(reads + offset);
    return result;
}

std::int64_t CountLineEnds(std::string_view wholeLines) {
    std::int64_t lines = 0;
    const char* p = wholeLines.data();
    const char* const end = p + wholeLines.size();
    while (const void* lf = std::memchr(p, '\n', static_cast<std::size_t>(end - p))) {
        ++lines;
        p = static_cast<const char*>(lf) + 1;
    }
    return lines;
}

std::vector<std::string_view> SplitAtLineEnds(std::string_view wholeLines, unsigned parts) {
    std::vector<std::string_view> chunks;
    const std::size_t share = wholeLines.size() / std::max(parts, 1u);
    std::size_t from = 0;
    for (unsigned k = 1; k < parts && from < wholeLines.size(); ++k) {
        std::size_t to = std::max(from, share * k);
        to = wholeLines.find('\n', to);
        if (to == std::string_view::npos) break;
        chunks.push_back(wholeLines.substr(from, to + 1 - from));
        from = to + 1;
    }
    if (from < wholeLines.size() || chunks.empty()) chunks.push_back(wholeLines.substr(from));
    return chunks;
}

bool IsFiniteRecord(const ParticleRecord& r) {
    return std::isfinite(r.energy) && std::isfinite(r.x) && std::isfinite(r.y) && std::isfinite(r.z) &&
           std::isfinite(r.cos_x) && std::isfinite(r.cos_y) && std::isfinite(r.cos_z) && std::isfinite(r.momentum);
}

} // namespace zelkor
