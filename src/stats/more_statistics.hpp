#pragma once

#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "stats/histogram.hpp"
#include "stats/quantity_selection.hpp"
#include "stats/stat_summary.hpp"

#include <optional>

namespace zelkor {

// Which ions a report describes: every ion ("Basic Analysis", "No Filter") or
// those whose accepted byte is 1 (a filter run).
enum class StatScope { All, Accepted };

// The figures beside the seven rows of a report. Each is absent ("undefined")
// where it has no value: no ion, one ion for the error of sigma, no spread
// for the moment ratios, a value that is not a number for the median, no
// half-maximum crossing for the FWHM.
struct MoreStatistics {
    int count = 0;                     // ions of the scope
    std::optional<double> meanError;   // sigma / sqrt(N)
    std::optional<double> sigmaError;  // sigma / sqrt(2 (N - 1))
    std::optional<double> median;      // the mean of the two middle values for an even N
    std::optional<double> fwhm;        // from `histogram`, interpolated linearly
    std::optional<double> skewness;    // m3 / m2^1.5
    std::optional<double> kurtosis;    // m4 / m2^2 - 3 (excess)
    Histogram histogram;               // the histogram the FWHM is read from, counted
};

// The figures of the scope's ions. summary is that scope's StatSummary of the
// same selection (SummarizeAll or SummarizeAccepted): its mean and dispersion
// are the m1 and m2 of the moment ratios. plan is a histogram planned by
// PlanIntervals (counts are filled here, of the scope's ions, exactly as the
// accumulated-edge rule counts them). The records are read once (or not at
// all where the quantity's column is at hand), the sums accumulated in index
// order as the kernels do; the progress yields after every value summed.
MoreStatistics ComputeMoreStatistics(const ParticleSet& set, const QuantitySelection& selection, StatScope scope,
                                     const StatSummary& summary, Histogram plan, Progress& progress = NoProgress());

}  // namespace zelkor
