#pragma once

// The passes behind the statistics kernels, generic in the value functor of a
// quantity (quantity_value.hpp) and in the progress object, so that the
// quantity is decided once outside the loop. Every pass visits the records in
// index order, accumulates in a double that starts at 0 and calls
// progress.yield() after each record. Passes are fused only where the fused
// loop does exactly the same arithmetic as separate ones.

#include "data/particle_record.hpp"
#include "stats/stat_summary.hpp"

#include <cmath>
#include <cstddef>
#include <limits>
#include <span>

namespace zelkor::kernel_pass {

inline double MeanOf(double sum, std::size_t n) { return n == 0 ? 0.0 : sum / static_cast<double>(n); }

struct AllScan {
    double min = 0.0;  // first value, replaced only by a strictly smaller one
    double max = 0.0;
    double sum = 0.0;
};

// MinAll, MaxAll and the sum of MeanAll in one pass.
template <typename Value, typename P>
AllScan ScanAll(std::span<const ParticleRecord> ions, Value value, P& progress) {
    if (ions.empty()) return {};
    double min = value(ions[0]);
    double max = min;
    double sum = 0.0;
    sum += min;
    progress.yield();
    for (std::size_t i = 1; i < ions.size(); ++i) {
        const double v = value(ions[i]);
        if (v < min) min = v;
        if (v > max) max = v;
        sum += v;
        progress.yield();
    }
    return {min, max, sum};
}

template <typename Value, typename P>
double SumAll(std::span<const ParticleRecord> ions, Value value, P& progress) {
    double sum = 0.0;
    for (const ParticleRecord& r : ions) {
        sum += value(r);
        progress.yield();
    }
    return sum;
}

// Sum of (v - mean)^2 over all ions: the second pass of the population variance.
template <typename Value, typename P>
double SquaredDeviationSum(std::span<const ParticleRecord> ions, Value value, double mean, P& progress) {
    double sum = 0.0;
    for (const ParticleRecord& r : ions) {
        const double d = value(r) - mean;
        sum += d * d;
        progress.yield();
    }
    return sum;
}

struct AcceptedScan {
    double sumAll = 0.0;
    double sumAccepted = 0.0;
    std::size_t accepted = 0;
    // Extremes of the accepted values, from infinite starts. Replacing only on
    // a strict comparison keeps the first of equal values, so comparing the
    // result with MeanAll afterwards gives the same value, bit for bit, as a
    // pass that starts from MeanAll.
    double minAccepted = std::numeric_limits<double>::infinity();
    double maxAccepted = -std::numeric_limits<double>::infinity();

    double meanAll(std::size_t count) const { return MeanOf(sumAll, count); }
    double meanAccepted() const { return MeanOf(sumAccepted, accepted); }
    double minAcceptedFrom(double start) const { return minAccepted < start ? minAccepted : start; }
    double maxAcceptedFrom(double start) const { return maxAccepted > start ? maxAccepted : start; }
};

// MeanAll's sum and the sums and extremes of the accepted ions in one pass.
template <typename Value, typename P>
AcceptedScan ScanAccepted(std::span<const ParticleRecord> ions, Value value, P& progress) {
    AcceptedScan s;
    double sumAll = 0.0;
    double sumAccepted = 0.0;
    std::size_t accepted = 0;
    double min = s.minAccepted;
    double max = s.maxAccepted;
    for (const ParticleRecord& r : ions) {
        const double v = value(r);
        sumAll += v;
        if (r.accepted == 1) {
            sumAccepted += v;
            ++accepted;
            if (v < min) min = v;
            if (v > max) max = v;
        }
        progress.yield();
    }
    s.sumAll = sumAll;
    s.sumAccepted = sumAccepted;
    s.accepted = accepted;
    s.minAccepted = min;
    s.maxAccepted = max;
    return s;
}

template <typename Value, typename P>
double AcceptedSquaredDeviationSum(std::span<const ParticleRecord> ions, Value value, double mean, P& progress) {
    double sum = 0.0;
    for (const ParticleRecord& r : ions) {
        if (r.accepted == 1) {
            const double d = value(r) - mean;
            sum += d * d;
        }
        progress.yield();
    }
    return sum;
}

// MinAll .. SigmaAll in two passes; the progress bar moves 20 per statistic.
template <typename Value, typename P>
StatSummary SummaryOfAll(std::span<const ParticleRecord> ions, Value value, P& progress) {
    const AllScan scan = ScanAll(ions, value, progress);
    StatSummary s;
    s.min = scan.min;
    progress.advance(20);
    s.max = scan.max;
    progress.advance(20);
    s.mean = MeanOf(scan.sum, ions.size());
    progress.advance(20);
    s.dispersion = MeanOf(SquaredDeviationSum(ions, value, s.mean, progress), ions.size());
    progress.advance(20);
    s.sigma = std::sqrt(s.dispersion);
    progress.advance(20);
    return s;
}

// MinAccepted .. SigmaAccepted in two passes; the progress bar moves 20 per statistic.
template <typename Value, typename P>
StatSummary SummaryOfAccepted(std::span<const ParticleRecord> ions, Value value, P& progress) {
    const AcceptedScan scan = ScanAccepted(ions, value, progress);
    const double meanAll = scan.meanAll(ions.size());
    StatSummary s;
    s.min = scan.minAcceptedFrom(meanAll);
    progress.advance(20);
    s.max = scan.maxAcceptedFrom(meanAll);
    progress.advance(20);
    s.mean = scan.meanAccepted();
    progress.advance(20);
    s.dispersion = MeanOf(AcceptedSquaredDeviationSum(ions, value, s.mean, progress), scan.accepted);
    progress.advance(20);
    s.sigma = std::sqrt(s.dispersion);
    progress.advance(20);
    return s;
}

}  // namespace zelkor::kernel_pass
