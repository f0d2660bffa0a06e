#pragma once

#include "data/source_kind.hpp"
#include "runs/run_summary.hpp"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace zelkor {

struct RunRequest {
    std::filesystem::path path;
    std::optional<SourceKind> kind;  // none: told by the extension
};

struct RunPool {
    unsigned threads = 0;  // files read at once at most; 0: the machine's hardware threads
    // Files start only while the sets being read fit this many bytes, as
    // estimated from the files' sizes; a single file always starts.
    std::uint64_t memoryBudget = std::uint64_t{1} << 30;
};

// What reading a file of this size is expected to hold at its peak: the set
// takes about as many bytes as the file (a record of 72 bytes per line of 60
// to 100), and the reader's buffers a little more.
std::uint64_t EstimatedLoadBytes(std::uint64_t fileBytes);

// Summarises every file on a pool of threads, one set per file in memory and
// released as soon as its row is made. Rows come back in the order of the
// requests; onRow (when given) hears of each row as it is ready, from the
// thread that made it, one call at a time (it must not throw).
std::vector<RunSummary> SummarizeRuns(const std::vector<RunRequest>& requests, const RunPool& pool = {},
                                      const std::function<void(std::size_t, const RunSummary&)>& onRow = {});

}  // namespace zelkor
