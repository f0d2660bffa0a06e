#pragma once

#include "data/read_source.hpp"
#include "data/platform/read_file.hpp"

#include <cstdint>
#include <string_view>
#include <vector>

namespace zelkor {

// Longest line kept in memory. A record line is under 200 characters; longer
// lines are never data, so they are passed over without being held.
inline constexpr std::size_t kMaxLineLength = 64 * 1024;

struct TextLine {
    std::string_view text;     // without the line end; empty when tooLong
    std::uint64_t length = 0;  // characters without the line end
    bool hadLineEnd = false;
    bool tooLong = false;  // longer than kMaxLineLength
};

// Reads a text file line by line in large blocks. A line end is LF or CR LF
// (text mode on the system the files come from); lines are handed out without it.
class LineReader {
public:
    LineReader() = default;
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // blockBytes: read size for a file; at least twice kMaxLineLength.
    bool open(const ReadSource& source, std::size_t blockBytes = std::size_t{1} << 20);
    // Lines of bytes the caller keeps alive.
    void openBytes(std::string_view bytes);
    // Lines of the bytes [begin, end) of a file the caller keeps open, read
    // at their offsets so that readers on several threads can share it;
    // end kToEndOfFile reads on to the end.
    void openRange(const platform::ReadFile& file, std::uint64_t begin, std::uint64_t end, std::size_t blockBytes);
    static constexpr std::uint64_t kToEndOfFile = ~std::uint64_t{0};
    // False when the file could not be closed (or was never open).
    bool close();

    // The next line; false at end of file or after a read error.
    bool next(TextLine& line);
    bool readFailed() const { return readFailed_; }
    // 1-based number of the line next() returned last.
    std::int64_t lineNumber() const { return lineNumber_; }

private:
    bool refill();

    platform::ReadFile file_;                     // the file open() opened
    const platform::ReadFile* shared_ = nullptr;  // the file of openRange()
    std::uint64_t at_ = 0;                        // offset of the next read in a range
    std::uint64_t stopAt_ = kToEndOfFile;         // end of a range
    bool inRange_ = false;
    bool isOpen_ = false;
    std::vector<char> buffer_;
    const char* data_ = nullptr;  // buffer_ or the in-memory bytes
    std::size_t begin_ = 0;       // first unread byte
    std::size_t end_ = 0;         // one past the last byte read
    bool atEof_ = false;
    bool readFailed_ = false;
    std::int64_t lineNumber_ = 0;
};

// Reads of a 1000-byte line buffer (999 characters and the terminator) that a
// line of this length takes: longer lines count as several lines.
inline std::int64_t LineReads(std::uint64_t length, bool hadLineEnd) {
    const std::uint64_t withEnd = length + (hadLineEnd ? 1 : 0);
    return static_cast<std::int64_t>((withEnd + 998) / 999);
}

}  // namespace zelkor
