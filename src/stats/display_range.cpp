#include "stats/display_range.hpp"

#include "stats/ion_span.hpp"
#include "stats/kernel_passes.hpp"
#include "stats/page_quantity.hpp"
#include "stats/progress_dispatch.hpp"
#include "stats/value_column.hpp"
#include "stats/sigma_filter.hpp"

#include <cmath>

namespace zelkor {
namespace {

// 1/101 as the extended-precision constant the default width has always used.
constexpr long double kOneOver101 = 0.00990099009900990099L;

struct MinMaxMean {
    double min;
    double max;
    double mean;
};

DisplayRange Symmetric(const MinMaxMean& m) { return SymmetricRange(m.min, m.max, m.mean); }

template <typename Value, typename P>
DisplayRange RangeOf(DisplayMode mode, bool active, std::span<const ParticleRecord> ions, Value value, double n,
                     P& progress) {
    using namespace kernel_pass;
    if (mode == DisplayMode::Zoom) {
        double mean = 0.0;
        double dispersion = 0.0;
        if (active) {
            const AcceptedScan scan = ScanAccepted(ions, value, progress);
            mean = scan.meanAccepted();
            dispersion = MeanOf(AcceptedSquaredDeviationSum(ions, value, mean, progress), scan.accepted);
        } else {
            mean = MeanOf(SumAll(ions, value, progress), ions.size());
            dispersion = MeanOf(SquaredDeviationSum(ions, value, mean, progress), ions.size());
        }
        const double s = std::sqrt(dispersion);
        return {mean - n * s, n * s + mean};
    }
    if (mode == DisplayMode::Filtered && active) {
        const AcceptedScan scan = ScanAccepted(ions, value, progress);
        const double meanAll = scan.meanAll(ions.size());
        return Symmetric({scan.minAcceptedFrom(meanAll), scan.maxAcceptedFrom(meanAll), scan.meanAccepted()});
    }
    const AllScan scan = ScanAll(ions, value, progress);
    return Symmetric({scan.min, scan.max, MeanOf(scan.sum, ions.size())});
}

}  // namespace

DisplayRange SymmetricRange(double min, double max, double mean) {
    const double d1 = max - mean;
    const double d2 = mean - min;
    if (d1 > d2) return {min - (d1 - d2), max};
    if (d1 < d2) return {min, max + (d2 - d1)};
    return {min, max};
}

void RefreshAcceptedFlags(const AppState& state, ParticleSet& set, StatPage page, Progress& progress) {
    const SigmaFilterState& filter = state.filterOf(page);
    const DisplayMode mode = state.displayModeOf(page);
    if (!filter.active || mode == DisplayMode::Whole) {
        AcceptAll(set);
    } else if (mode == DisplayMode::Filtered) {
        ApplySigmaFilter(set, SelectionFor(state, page), filter.multiplier, progress);
    }
}

DisplayRange ComputeDisplayRange(const AppState& state, const ParticleSet& set, StatPage page, double n,
                                 Progress& progress) {
    const bool active = state.filterOf(page).active;
    const DisplayMode mode = state.displayModeOf(page);
    const auto ions = Ions(set);
    const QuantitySelection selection = SelectionFor(state, page);
    return WithProgress(progress, [&](auto& p) {
        return WithColumnValue(ions, selection,
                               [&](const auto& value) { return RangeOf(mode, active, ions, value, n, p); });
    });
}

double DefaultIntervalWidth(const DisplayRange& range) {
    const double w0 = static_cast<double>(static_cast<long double>(range.upper - range.lower) * kOneOver101);
    return w0 + w0 * 1e-6;
}

}  // namespace zelkor
