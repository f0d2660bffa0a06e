#pragma once

#include "data/message.hpp"
#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "io/atomic_file.hpp"
#include "io/printf_format.hpp"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

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

// writeHeader(AtomicFile&) writes the header lines; writeRecord(char* out,
// const ParticleRecord&, int number) formats one record line at out (at most
// kMaxRecordChars) and returns its end. Progress advances by one whenever the
// visited index, written or not, is a whole multiple of count / 100, and
// yields after every record.
template <typename WriteHeader, typename WriteRecord>
std::optional<Message> RunWritePass(const std::filesystem::path& path, const ParticleSet& set,
                                    std::string_view openFailureText, Progress& progress, WriteHeader&& writeHeader,
                                    WriteRecord&& writeRecord) {
    AtomicFile file(path);
    if (file.failed()) return WriteFailureMessage(file.failed(), openFailureText);
    writeHeader(file);
    const int period = ProgressPeriod(set.count, 100);
    int number = 0;
    for (int i = 1; i <= set.count; ++i) {
        const ParticleRecord& record = set.record(i);
        if (record.accepted == 1) {
            char* out = file.reserve(kMaxRecordChars);
            file.commitTo(writeRecord(out, record, ++number));
        }
        if (i % period == 0) progress.advance(1);
        progress.yield();
    }
    return WriteFailureMessage(file.commit(), openFailureText);
}

}  // namespace zelkor
