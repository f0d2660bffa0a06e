#include "optics/axis_range.hpp"

#include <cmath>
#include <utility>

namespace zelkor {

Extent CoordinateExtent(const ParticleSet& set, SourceKind kind, PhaseCoordinate coordinate) {
    if (set.count == 0) return {};
    const bool holdsSlopes = HoldsSlopes(kind);
    const double first = PhasePointOf(set.record(1), holdsSlopes)[coordinate];
    Extent extent{first, first};
    for (int i = 2; i <= set.count; ++i) {
        const double v = PhasePointOf(set.record(i), holdsSlopes)[coordinate];
        if (v < extent.lo) extent.lo = v;
        if (v > extent.hi) extent.hi = v;
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
