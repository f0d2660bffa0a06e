#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace zelkor {

// Reads a text file line by line in large blocks. A line end is LF or CR LF
// (text mode on the system the files come from); lines are handed out without
// it. Lines longer than the block grow the buffer, so nothing is ever cut.
class LineReader {
public:
    LineReader() = default;
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;
    ~LineReader();

    bool open(const std::filesystem::path& path);
    // False when the file could not be closed (or was never open).
    bool close();

    // The next line; false at end of file or after a read error.
    bool next(std::string_view& line, bool& hadLineEnd);
    bool readFailed() const { return readFailed_; }
    // 1-based number of the line next() returned last.
    int lineNumber() const { return lineNumber_; }

private:
    bool refill();

    int fd_ = -1;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // first unread byte
    std::size_t end_ = 0;    // one past the last byte read
    bool atEof_ = false;
    bool readFailed_ = false;
    int lineNumber_ = 0;
};

// Reads of a 1000-byte line buffer (999 characters and the terminator) that a
// line of this length takes: longer lines count as several lines.
inline int LineReads(std::size_t length, bool hadLineEnd) {
    const std::size_t withEnd = length + (hadLineEnd ? 1 : 0);
    return static_cast<int>((withEnd + 998) / 999);
}

} // namespace zelkor
