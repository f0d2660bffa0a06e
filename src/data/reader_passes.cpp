#include "data/reader_passes.hpp"

namespace zelkor {

CheckResult CheckForMarker(const std::filesystem::path& path, std::initializer_list<std::string_view> markers,
                           bool needsFollowingLine, Progress& progress) {
    LineReader reader;
    if (!reader.open(path)) return {CheckOutcome::CannotOpen, ErrorMessage(kCannotOpenText)};
    std::string_view line;
    bool hadLineEnd = false;
    bool found = false;
    bool passed = false;
    while (!found && reader.next(line, hadLineEnd)) {
        progress.yield();
        // The first character of each line is read on its own before the
        // rest is searched, so a marker in the first column does not count.
        const std::string_view rest = line.empty() ? line : line.substr(1);
        for (const std::string_view marker : markers)
            if (rest.find(marker) != std::string_view::npos) found = true;
    }
    if (found) passed = !needsFollowingLine || reader.next(line, hadLineEnd);
    const bool closed = reader.close();
    if (!passed) return {CheckOutcome::Rejected, ErrorMessage(kBadFileText)};
    if (!closed) return {CheckOutcome::CannotClose, ErrorMessage(kCannotCloseText)};
    return {};
}

CheckResult CheckOpenClose(const std::filesystem::path& path, const char* openFailureText) {
    LineReader reader;
    if (!reader.open(path)) return {CheckOutcome::CannotOpen, ErrorMessage(openFailureText)};
    if (!reader.close()) return {CheckOutcome::CannotClose, ErrorMessage(kCannotCloseText)};
    return {};
}

CountResult CountLineReads(const std::filesystem::path& path, int offset, const char* openFailureText,
                           Progress& progress) {
    progress.advance(5);
    LineReader reader;
    CountResult result;
    if (!reader.open(path)) {
        result.message = ErrorMessage(openFailureText);
        return result;
    }
    std::string_view line;
    bool hadLineEnd = false;
    int reads = 0;
    while (reader.next(line, hadLineEnd)) {
        reads += LineReads(line.size(), hadLineEnd);
        if ((reader.lineNumber() & 0x3fff) == 0) progress.yield();
    }
    if (!reader.close()) result.message = ErrorMessage(kCannotCloseText);
    result.lineCount = reads + offset;
    return result;
}

} // namespace zelkor
