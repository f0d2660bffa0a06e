#include "batch/batch_command.hpp"
#include "batch/stats_setup.hpp"
#include "stats/basic_analysis.hpp"
#include "stats/filter_spectrum.hpp"
#include "stats/more_statistics_text.hpp"
#include "stats/page_more_statistics.hpp"
#include "stats/page_quantity.hpp"
#include "stats/value_column.hpp"

#include <ostream>

namespace zelkor::batch {
namespace {

template <typename Rows>
void PrintRows(const BatchIo& io, const Rows& rows) {
    for (const std::string& row : rows) io.out << row << '\n';
}

// --more: the "More statistics" of the ions the rows describe, the FWHM read
// at --width (or at the default width of their range).
int PrintMore(const BatchArgs& args, const BatchIo& io, StatsSetup& setup, StatScope scope,
              const StatSummary& summary) {
    const auto& [data, page] = setup;
    const auto more = MoreStatisticsFor(data.state, data.set, page, scope, summary, args.option("width").value_or(""));
    if (!more.ok()) return Stopped(io, *more.refusal);
    const QuantitySelection selection = SelectionFor(data.state, page);
    PrintRows(io, BuildMoreStatisticsRows(page, *more.value, selection.quantity, selection.unitCode));
    return kExitOk;
}

// "Basic Analysis" without --filter; "Filter Spectrum" with the x-sigma
// button checked and n in its edit with --filter n.
int RunStats(const BatchArgs& args, const BatchIo& io, const std::string& usage) {
    if (args.has("width") && !args.has("more")) return UsageError(io, "--width goes with --more", usage);
    int exitCode = kExitOk;
    auto setup = SetUpStats(args, io, usage, exitCode);
    if (!setup) return exitCode;
    auto& [data, page] = *setup;
    // The reports and the further figures read one evaluation of the quantity.
    const ReuseColumns reuse;
    const auto filter = args.option("filter");
    if (!filter) {
        const auto report = BasicAnalysis(data.state, data.set, page);
        if (!report.ok()) return Stopped(io, *report.refusal);
        PrintRows(io, report.value->rows);
        return args.has("more") ? PrintMore(args, io, *setup, StatScope::All, report.value->summary) : kExitOk;
    }
    const auto run = FilterSpectrum(data.state, data.set, page, true, *filter);
    if (!run.ok()) return Stopped(io, *run.refusal);
    // "too low" does not stop the run: the window still opens with the count.
    if (run.value->tooLow) PrintMessage(io, *run.value->tooLow);
    if (run.value->rows) PrintRows(io, *run.value->rows);
    if (run.value->rows && args.has("more")) {
        if (const int status = PrintMore(args, io, *setup, StatScope::Accepted, run.value->summary)) return status;
    }
    io.out << run.value->rejectionLine << '\n';
    return kExitOk;
}

}  // namespace

BatchCommand StatsCommand() {
    return {"stats", std::string("zelkor-batch stats ") + kStatsOptionsUsage + " [--filter n] [--more [--width W]]",
            ArgSpec{{"kind", "quantity", "unit", "A", "amu", "filter", "width"}, {"more"}}, &RunStats};
}

}  // namespace zelkor::batch
