#pragma once

#include "data/progress.hpp"
#include "data/read_source.hpp"
#include "data/run_on_threads.hpp"
#include "data/platform/read_file.hpp"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace zelkor {

class LineReader;

// A run of whole lines of a file: it starts at a line start, and all but the
// file's last run end just after a line end.
struct LineRange {
    std::uint64_t begin = 0;
    std::uint64_t end = 0;  // LineReader::kToEndOfFile for the last run
    std::int64_t lines = 0;
};

// The runs the count pass split a file into, one per thread, with the lines
// of each, so that the parse can read the same runs on as many threads and
// knows where each run's records go. Empty when the file was counted in one run.
struct LineRanges {
    std::uint64_t fileBytes = 0;  // size when counted: a file changed since is read in one run
    std::vector<LineRange> runs;
};

// A file (or in-memory bytes) open for readers on several threads.
class SharedSource {
public:
    explicit SharedSource(const ReadSource& source) : source_(source) {}
    SharedSource(const SharedSource&) = delete;
    SharedSource& operator=(const SharedSource&) = delete;

    // False when it cannot be opened or is a folder.
    bool open();
    // False when closing fails.
    bool close();
    std::uint64_t size() const { return size_; }
    // Opens reader on [begin, end) of the source.
    void openRange(LineReader& reader, std::uint64_t begin, std::uint64_t end, std::size_t blockBytes) const;
    // Splits the source into at most parts runs that start at line starts
    // (without their line counts); a single run when no line end is near enough.
    std::vector<LineRange> splitAtLineStarts(unsigned parts) const;

private:
    // Offset just past the first line end at or after from and before limit, or 0.
    std::uint64_t nextLineStart(std::uint64_t from, std::uint64_t limit) const;

    const ReadSource& source_;
    platform::ReadFile file_;
    std::uint64_t size_ = 0;
};

}  // namespace zelkor
