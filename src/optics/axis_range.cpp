#include "optics/axis_range.hpp"

#include "data/run_on_threads.hpp"
#include "optics/coordinate_of.hpp"

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace zelkor {

// The first run starts from its first value, as one pass does; the others
// from infinities, which no value replaces wrongly (a nan is never taken).
// Joined in order with the same strict comparisons, the runs give the bits
// of one pass: the first of equal values (0 and -0) is kept.
Extent CoordinateExtent(const ParticleSet& set, SourceKind kind, PhaseCoordinate coordinate) {
    if (set.count == 0) return {};
    const std::vector<IndexRun> runs = SplitIntoRuns(static_cast<std::size_t>(set.count));
    std::vector<Extent> parts(runs.size());
    WithCoordinate<false>(coordinate, HoldsSlopes(kind), [&](auto value) {
        ForEachRun(runs, [&](IndexRun run, std::size_t k) {
            constexpr double kInfinity = std::numeric_limits<double>::infinity();
            Extent extent{kInfinity, -kInfinity};
            std::size_t i = run.begin + 1;
            if (k == 0) {
                const double first = value(set.records[1]);
                extent = {first, first};
                ++i;
            }
            for (; i <= run.end; ++i) {
                const double v = value(set.records[i]);
                if (v < extent.lo) extent.lo = v;
                if (v > extent.hi) extent.hi = v;
            }
            parts[k] = extent;
        });
    });
    Extent extent = parts.front();
    for (std::size_t k = 1; k < parts.size(); ++k) {
        if (parts[k].lo < extent.lo) extent.lo = parts[k].lo;
        if (parts[k].hi > extent.hi) extent.hi = parts[k].hi;
    }
    return extent;
}

AxisRange AutoAxisRange(double lo, double hi) {
    if (std::fabs(hi) < std::fabs(lo)) return {lo - 0.05 * std::fabs(lo), std::fabs(lo) + 0.05 * std::fabs(lo)};
    return {-hi - 0.05 * hi, hi + 0.05 * hi};
}

AxisRange DrawableRange(AxisRange range) {
    if (range.min > range.max) std::swap(range.min, range.max);
    if (!(range.min < range.max) || !std::isfinite(range.min) || !std::isfinite(range.max)) return {-1.0, 1.0};
    return range;
}

}  // namespace zelkor
