#include "batch/batch_command.hpp"
#include "batch/batch_load.hpp"
#include "runs/run_table.hpp"
#include "runs/summarize_runs.hpp"

#include <algorithm>
#include <ostream>

namespace zelkor::batch {
namespace {

// One row per FILE, the files read in parallel; a file that cannot be read
// has its message in its row, and the status is then that of a stopped command.
int RunSummaryCommand(const BatchArgs& args, const BatchIo& io, const std::string& usage) {
    if (args.positionals.empty()) return UsageError(io, "no FILE given", usage);
    const auto format = RunTableFormatFromWord(args.option("format").value_or("text"));
    if (!format) return UsageError(io, "--format must be text, csv or json", usage);
    std::optional<SourceKind> kind;
    if (args.has("kind")) {
        std::string error;
        kind = KindFromArgs(args, "", error);
        if (!kind) return UsageError(io, error, usage);
    }
    std::vector<RunRequest> requests;
    for (const std::string& path : args.positionals) requests.push_back({path, kind});
    const std::vector<RunSummary> rows = SummarizeRuns(requests);
    io.out << RunSummaryTable(rows, *format);
    const bool allRead = std::all_of(rows.begin(), rows.end(), [](const RunSummary& row) { return row.ok(); });
    return allRead ? kExitOk : kExitStopped;
}

}  // namespace

BatchCommand SummaryCommand() {
    return {"summary", "zelkor-batch summary FILE... [--kind transmit|trim|pnt] [--format text|csv|json]",
            ArgSpec{{"kind", "format"}, {}}, &RunSummaryCommand};
}

}  // namespace zelkor::batch
