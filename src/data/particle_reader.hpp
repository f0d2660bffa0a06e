#pragma once

#include "data/line_ranges.hpp"
#include "data/message.hpp"
#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "data/read_source.hpp"
#include "data/source_kind.hpp"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zelkor {

// Every reader works in three passes, each opening and closing the file:
// a check that the file is of its kind, a count of its lines that sizes the
// set, and the parse.

enum class CheckOutcome { Passed, CannotOpen, Rejected, CannotClose };

struct CheckResult {
    CheckOutcome outcome = CheckOutcome::Passed;
    std::optional<Message> message;  // set unless Passed
    bool passed() const { return outcome == CheckOutcome::Passed; }
};

struct CountResult {
    int lineCount = 0;
    std::optional<Message> message;  // open or close failure
    LineRanges ranges;               // how the parse may share out the file
};

struct ReadResult {
    ParticleSet set;
    std::string headerLine;             // TRANSMIT.TXT line 10, TRIM.DAT line 8; "\n" line end
    std::optional<int> atomZ;           // Z of the last record read, if any was
    std::optional<Message> failure;     // open or close failure; the set is then empty
    std::int64_t skippedLines = 0;      // record lines that could not be read whole
    std::int64_t firstSkippedLine = 0;  // 1-based line number in the file

    // The file's first lines as Header shows them.
    std::vector<std::string> firstLines;

    // The one warning a load ends with when lines were skipped.
    std::optional<Message> skippedWarning() const;
};

struct ReaderPasses {
    CheckResult (*check)(const ReadSource&, Progress&);
    CountResult (*count)(const ReadSource&, Progress&);
    ReadResult (*read)(const ReadSource&, const CountResult&, Progress&);
    const char* openFailureText;
};

// The passes of the reader for a kind other than None.
const ReaderPasses& ReaderFor(SourceKind kind);

}  // namespace zelkor
