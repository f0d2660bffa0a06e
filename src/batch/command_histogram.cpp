#include "batch/batch_command.hpp"
#include "batch/stats_setup.hpp"
#include "stats/default_width.hpp"
#include "stats/fit/fit_gaussian.hpp"
#include "stats/filter_spectrum.hpp"
#include "stats/histogram_text.hpp"
#include "stats/page_quantity.hpp"
#include "stats/prepare_histogram.hpp"

#include <ostream>

namespace zelkor::batch {
namespace {

void PrintRow(const BatchIo& io, const HistogramRow& row) {
    io.out << row[0] << '\t' << row[1] << '\t' << row[2] << '\n';
}

// The page's filter run with n and committed with OK: the flags as the run
// left them, the page's filter active.
std::optional<Message> RunAndCommitFilter(StatsSetup& setup, const std::string& n, const BatchIo& io) {
    const auto run = FilterSpectrum(setup.data.state, setup.data.set, setup.page, true, n);
    if (!run.ok()) return run.refusal;
    if (run.value->tooLow) PrintMessage(io, *run.value->tooLow);
    CommitFilter(setup.data.state, setup.page, n, run.value->multiplier);
    return std::nullopt;
}

// --fit: the Gaussian fitted to the table's intervals; a fit that gives no
// parameters stops the command after the table.
int PrintFit(const BatchIo& io, StatPage page, const QuantitySelection& selection, const Histogram& histogram) {
    const GaussianFit fit = FitGaussian(histogram);
    if (const auto refusal = FitRefusal(fit)) return Stopped(io, *refusal);
    for (const std::string& line : GaussianFitLines(page, selection.quantity, selection.unitCode, fit))
        io.out << line << '\n';
    return kExitOk;
}

// "Data" with the width typed (--width) or written by "Default" (--default);
// the confirmation of the interval count is answered OK.
int RunHistogram(const BatchArgs& args, const BatchIo& io, const std::string& usage) {
    if (args.has("width") == args.has("default")) return UsageError(io, "give either --width W or --default", usage);
    const auto mode = DisplayModeFromWord(args.option("display").value_or("whole"));
    if (!mode) return UsageError(io, "--display must be whole, filtered or zoom", usage);
    if (args.has("fit") && !GaussianFitAvailable()) {
        PrintMessage(io, *FitRefusal(GaussianFit{}));
        return kExitUsage;
    }

    int exitCode = kExitOk;
    auto setup = SetUpStats(args, io, usage, exitCode);
    if (!setup) return exitCode;
    auto& [data, page] = *setup;
    data.state.displayModeOf(page) = *mode;
    if (const auto filter = args.option("filter")) {
        if (const auto refusal = RunAndCommitFilter(*setup, *filter, io)) return Stopped(io, *refusal);
    }
    const std::string zoomText = args.option("zoom").value_or("");
    std::string widthText = args.option("width").value_or("");
    if (args.has("default")) {
        const auto written = DefaultWidthText(data.state, data.set, page, zoomText);
        if (!written.ok()) return Stopped(io, *written.refusal);
        widthText = *written.value;
    }
    auto planned = PrepareHistogram(data.state, data.set, page, HistogramView::Table, widthText, zoomText);
    if (!planned.ok()) return Stopped(io, *planned.refusal);
    Histogram& histogram = *planned.value;
    const QuantitySelection selection = SelectionFor(data.state, page);
    CountHistogram(data.set, selection, histogram);
    const HistogramTable table = BuildHistogramTable(page, selection.quantity, selection.unitCode, histogram);
    PrintRow(io, table.header);
    for (const HistogramRow& row : table.rows) PrintRow(io, row);
    return args.has("fit") ? PrintFit(io, page, selection, histogram) : kExitOk;
}

}  // namespace

BatchCommand HistogramCommand() {
    return {"histogram",
            std::string("zelkor-batch histogram ") + kStatsOptionsUsage +
                " [--display whole|filtered|zoom] [--zoom n] [--filter n] (--width W | --default) [--fit]",
            ArgSpec{{"kind", "quantity", "unit", "A", "amu", "display", "zoom", "filter", "width"}, {"default", "fit"}},
            &RunHistogram};
}

}  // namespace zelkor::batch
