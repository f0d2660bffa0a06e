#pragma once

#include "data/message.hpp"
#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "io/atomic_file.hpp"
#include "io/printf_format.hpp"
#include "io/ordered_blocks.hpp"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelkor {

// The pass every writer makes: open, header, one line per accepted record
// numbered afresh from 1, close. Shared so that the three layouts agree on
// progress pacing, numbering and failure messages.

inline constexpr std::string_view kCrLf = "\r\n";

// Longest record line any writer produces: ten numbers and their blanks.
inline constexpr std::size_t kMaxRecordChars = 12 * (kMaxNumberChars + 80);

// Writes one line with a CR LF end. A line kept from a file read earlier
// carries its own line end ("\n" or "\r\n"); it is replaced so that every line
// of the written file ends alike.
inline void AppendLine(AtomicFile& file, std::string_view line) {
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    file.append(line);
    file.append(kCrLf);
}

inline char* AppendBlanks(char* out, int count) {
    for (int i = 0; i < count; ++i) *out++ = ' ';
    return out;
}

// The blanks that fill a number out to a column width of the SRIM layouts
// ("%d" followed by them), never fewer than minimum.
inline int BlanksToWidth(int number, int width, int minimum = 0) {
    int digits = 1;
    for (int rest = number; rest >= 10; rest /= 10) ++digits;
    return width - digits > minimum ? width - digits : minimum;
}

inline std::optional<Message> WriteFailureMessage(std::optional<FileFailure> failure,
                                                  std::string_view openFailureText) {
    if (!failure) return std::nullopt;
    if (*failure == FileFailure::Open) return ErrorMessage(std::string(openFailureText));
    if (*failure == FileFailure::Name) return ErrorMessage(kCannotWriteUnderNameText);
    return ErrorMessage(kCannotCloseText);
}

// The records of a set in blocks of CurrentPassThreads().minimumItems, with
// the number of each block's first accepted record, which comes from the
// accepted records before it: the lines of a block can then be formatted on
// their own and still be numbered as one pass in index order numbers them.
class RecordBlocks {
public:
    explicit RecordBlocks(const ParticleSet& set);

    std::size_t blocks() const { return firstIndex_.size() - 1; }
    // Records firstIndex(b) .. firstIndex(b + 1) - 1.
    int firstIndex(std::size_t block) const { return firstIndex_[block]; }
    int firstNumber(std::size_t block) const { return firstNumber_[block]; }

private:
    std::vector<int> firstIndex_;
    std::vector<int> firstNumber_;
};

// writeHeader(AtomicFile&) writes the header lines; writeRecord(char* out,
// const ParticleRecord&, int number) formats one record line at out (at most
// kMaxRecordChars) and returns its end; it runs on several threads at once.
// The lines are formatted in blocks on every core and written in file order.
// Progress advances by one whenever the visited index, written or not, is a
// whole multiple of count / 100, and yields after every record formatted on
// the calling thread.
template <typename WriteHeader, typename WriteRecord>
std::optional<Message> RunWritePass(const std::filesystem::path& path, const ParticleSet& set,
                                    std::string_view openFailureText, Progress& progress, WriteHeader&& writeHeader,
                                    WriteRecord&& writeRecord) {
    AtomicFile file(path);
    if (file.failed()) return WriteFailureMessage(file.failed(), openFailureText);
    writeHeader(file);
    const RecordBlocks blocks(set);
    const int period = ProgressPeriod(set.count, 100);
    int visited = 0;
    FormatBlocksInOrder(
        blocks.blocks(),
        [&](std::size_t block, BlockBuffer& buffer, bool here) {
            int number = blocks.firstNumber(block);
            for (int i = blocks.firstIndex(block); i < blocks.firstIndex(block + 1); ++i) {
                const ParticleRecord& record = set.record(i);
                if (record.accepted == 1) buffer.commitTo(writeRecord(buffer.room(kMaxRecordChars), record, number++));
                if (here) progress.yield();
            }
        },
        [&file](std::string_view text) { file.append(text); },
        [&](std::size_t end) {
            const int last = blocks.firstIndex(end) - 1;
            progress.advance(StepsBetween(visited, last, period));
            visited = last;
        },
        progress);
    return WriteFailureMessage(file.commit(), openFailureText);
}

}  // namespace zelkor
