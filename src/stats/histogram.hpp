#pragma once

#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "stats/display_range.hpp"
#include "stats/quantity_selection.hpp"

#include <vector>

namespace zelkor {

inline constexpr int kMaxIntervalCount = 1001;

// One histogram: N intervals [e(k), e(k) + w), k = 1..N, with e(1) = start and
// every further edge the previous one plus w (accumulated, never start + k w).
struct Histogram {
    int intervalCount = 0;  // odd, 1..1001
    double width = 0.0;
    double start = 0.0;
    double end = 0.0;
    std::vector<int> counts;  // filled by CountHistogram
};

enum class PlanStatus { Ok, WidthTooHigh, CountTooLow };

struct IntervalPlanning {
    PlanStatus status = PlanStatus::Ok;
    // With CountTooLow, intervalCount is INT_MIN when 2k + 1 is beyond an int;
    // plannedCount keeps the true 2k + 1, the number the message shows.
    Histogram histogram;
    double plannedCount = 0.0;
};

// N = 2 ceil((L/2 - w/2) / w) + 1 intervals centred on the middle of the range,
// reaching offset = k w - x beyond both ends.
IntervalPlanning PlanIntervals(const DisplayRange& range, double width);

// The N + 1 accumulated edges e(1) .. e(N + 1); e(k + 1) is also e(k) + w.
std::vector<double> AccumulatedEdges(double start, double width, int intervalCount);

// Counts of the accepted records with e(k) <= v < e(k) + w for k = 1..N, in
// one pass: each value's interval is found by a search over the accumulated
// edges, which gives exactly the counts of comparing with every interval.
std::vector<int> CountIntervals(const ParticleSet& set, const QuantitySelection& selection, double start, double width,
                                int intervalCount, Progress& progress = NoProgress());

// Fills histogram.counts; the progress bar moves about a hundred steps.
void CountHistogram(const ParticleSet& set, const QuantitySelection& selection, Histogram& histogram,
                    Progress& progress = NoProgress());

}  // namespace zelkor
