#include "batch/batch_command.hpp"
#include "batch/stats_setup.hpp"
#include "stats/basic_analysis.hpp"
#include "stats/filter_spectrum.hpp"

#include <ostream>

namespace zelkor::batch {
namespace {

void PrintRows(const BatchIo& io, const ReportRows& rows) {
    for (const std::string& row : rows) io.out << row << '\n';
}

// "Basic Analysis" without --filter; "Filter Spectrum" with the x-sigma
// button checked and n in its edit with --filter n.
int RunStats(const BatchArgs& args, const BatchIo& io, const std::string& usage) {
    int exitCode = kExitOk;
    auto setup = SetUpStats(args, io, usage, exitCode);
    if (!setup) return exitCode;
    auto& [data, page] = *setup;
    const auto filter = args.option("filter");
    if (!filter) {
        const auto report = BasicAnalysis(data.state, data.set, page);
        if (!report.ok()) return Stopped(io, *report.refusal);
        PrintRows(io, report.value->rows);
        return kExitOk;
    }
    const auto run = FilterSpectrum(data.state, data.set, page, true, *filter);
    if (!run.ok()) return Stopped(io, *run.refusal);
    // "too low" does not stop the run: the window still opens with the count.
    if (run.value->tooLow) PrintMessage(io, *run.value->tooLow);
    if (run.value->rows) PrintRows(io, *run.value->rows);
    io.out << run.value->rejectionLine << '\n';
    return kExitOk;
}

}  // namespace

BatchCommand StatsCommand() {
    return {"stats", std::string("zelkor-batch stats ") + kStatsOptionsUsage + " [--filter n]",
            ArgSpec{{"kind", "quantity", "unit", "A", "amu", "filter"}, {}}, &RunStats};
}

}  // namespace zelkor::batch
