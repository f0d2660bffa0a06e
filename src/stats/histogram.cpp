#include "stats/histogram.hpp"

#include "stats/histogram_count_pass.hpp"
#include "stats/ion_span.hpp"
#include "stats/progress_dispatch.hpp"
#include "stats/value_column.hpp"

#include <cmath>
#include <limits>

namespace zelkor {
namespace {

// What a truncating conversion gives, and INT_MIN where it has no answer.
int TruncateToInt(double value) {
    constexpr double kLimit = 2147483648.0;
    if (!(value > -kLimit - 1.0 && value < kLimit)) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

}  // namespace

IntervalPlanning PlanIntervals(const DisplayRange& range, double width) {
    IntervalPlanning planning;
    Histogram& h = planning.histogram;
    h.width = width;
    const double length = range.upper - range.lower;
    if (width > length) {
        planning.status = PlanStatus::WidthTooHigh;
        return planning;
    }
    const double x = length * 0.5 - width * 0.5;
    const double k = std::ceil(x / width);
    const double n = 2 * k + 1;
    h.intervalCount = TruncateToInt(n);
    planning.plannedCount = n;
    // Compared as a double: a nan or a huge count must be refused, not converted.
    if (!(n >= 1.0 && n <= kMaxIntervalCount)) {
        planning.status = PlanStatus::CountTooLow;
        return planning;
    }
    const double offset = k * width - x;
    h.start = range.lower - offset;
    h.end = range.upper + offset;
    return planning;
}

std::vector<double> AccumulatedEdges(double start, double width, int intervalCount) {
    std::vector<double> edges(static_cast<std::size_t>(intervalCount > 0 ? intervalCount : 0) + 1);
    double edge = start;
    for (double& e : edges) {
        e = edge;
        edge += width;
    }
    return edges;
}

std::vector<int> CountIntervals(const ParticleSet& set, const QuantitySelection& selection, double start, double width,
                                int intervalCount, Progress& progress) {
    if (intervalCount < 1) return {};
    std::vector<int> counts(static_cast<std::size_t>(intervalCount), 0);
    const std::vector<double> edges = AccumulatedEdges(start, width, intervalCount);
    const IntervalLocator locate(edges, width);
    const auto ions = Ions(set);
    const int period = ProgressPeriod(static_cast<int>(ions.size()), 100);
    const std::vector<IndexRun> runs = SplitIntoRuns(ions.size());
    if (runs.size() <= 1) {
        WithProgress(progress, [&](auto& p) {
            WithColumnValue(ions, selection, [&](const auto& value) {
                kernel_pass::CountIntoIntervals(ions, value, locate, counts, period, p);
            });
        });
        return counts;
    }
    // Counts are whole numbers: each run counts its ions on its own and the sums are exact.
    std::vector<std::vector<int>> partial(runs.size(), counts);
    WithColumnValue(ions, selection, [&](const auto& value) {
        ForEachRun(
            runs,
            [&](IndexRun run, std::size_t k) {
                SilentProgress silent;
                kernel_pass::CountIntoIntervals(ions.subspan(run.begin, run.size()), value, locate, partial[k], period,
                                                silent);
            },
            [&progress] { progress.yield(); });
    });
    for (const std::vector<int>& part : partial)
        for (std::size_t k = 0; k < counts.size(); ++k) counts[k] += part[k];
    progress.advance(static_cast<int>(ions.size()) / period);
    return counts;
}

void CountHistogram(const ParticleSet& set, const QuantitySelection& selection, Histogram& histogram,
                    Progress& progress) {
    histogram.counts =
        CountIntervals(set, selection, histogram.start, histogram.width, histogram.intervalCount, progress);
}

}  // namespace zelkor
