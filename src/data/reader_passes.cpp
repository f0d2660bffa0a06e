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

namespace {

struct RunCount {
    std::int64_t lines = 0;
    std::int64_t reads = 0;
    bool whole = true;  // read without failure, and ended at a line end unless it is the last run
};

RunCount CountRun(LineReader& reader, bool lastRun, Progress* progress) {
    RunCount count;
    TextLine line;
    while (reader.next(line)) {
        count.reads += LineReads(line.length, line.hadLineEnd);
        ++count.lines;
        if (!line.hadLineEnd && !lastRun) count.whole = false;
        if (progress != nullptr && (count.lines & 0x3fff) == 0) progress->yield();
    }
    if (reader.readFailed()) count.whole = false;
    return count;
}

}  // namespace

CountResult CountLineReads(const ReadSource& source, int offset, const char* openFailureText, Progress& progress,
                           std::int64_t maxLineCount) {
    progress.advance(5);
    CountResult result;
    SharedSource shared(source);
    if (!shared.open()) {
        result.message = ErrorMessage(openFailureText);
        return result;
    }
    const ParseThreads split = CurrentParseThreads();
    std::vector<LineRange> runs = split.threads > 1 && shared.size() >= split.minParallelBytes
                                      ? shared.splitAtLineStarts(split.threads)
                                      : std::vector<LineRange>{{0, LineReader::kToEndOfFile, 0}};
    std::vector<RunCount> counts(runs.size());
    RunOnThreads(
        runs.size(),
        [&](std::size_t k) {
            LineReader reader;
            shared.openRange(reader, runs[k].begin, runs[k].end, split.blockBytes);
            counts[k] = CountRun(reader, k + 1 == runs.size(), k == 0 ? &progress : nullptr);
        },
        [&progress] { progress.yield(); });
    std::int64_t reads = 0;
    bool whole = true;
    for (std::size_t k = 0; k < runs.size(); ++k) {
        reads += counts[k].reads;
        runs[k].lines = counts[k].lines;
        whole = whole && counts[k].whole;
    }
    const bool closed = shared.close();
    if (reads + offset > maxLineCount) {
        result.message = ErrorMessage(kTooManyLinesText);
        return result;
    }
    if (!closed) result.message = ErrorMessage(kCannotCloseText);
    result.lineCount = static_cast<int>(reads + offset);
    if (whole && runs.size() > 1) result.ranges = {shared.size(), std::move(runs)};
    return result;
}

std::vector<std::size_t> RunSlots(const LineRanges& ranges, std::uint64_t fileBytes, int headerLines,
                                  std::size_t slots) {
    if (ranges.runs.size() < 2 || ranges.fileBytes != fileBytes || ranges.runs[0].lines < headerLines) return {};
    std::vector<std::size_t> starts;
    std::int64_t before = 0;
    for (const LineRange& run : ranges.runs) {
        starts.push_back(static_cast<std::size_t>(1 + std::max<std::int64_t>(before - headerLines, 0)));
        before += run.lines;
    }
    // Every line a record: the last one must still have its slot.
    if (before - headerLines >= static_cast<std::int64_t>(slots)) return {};
    return starts;
}

bool IsFiniteRecord(const ParticleRecord& r) {
    return std::isfinite(r.energy) && std::isfinite(r.x) && std::isfinite(r.y) && std::isfinite(r.z) &&
           std::isfinite(r.cos_x) && std::isfinite(r.cos_y) && std::isfinite(r.cos_z) && std::isfinite(r.momentum);
}

}  // namespace zelkor
