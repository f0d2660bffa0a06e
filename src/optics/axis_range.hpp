#pragma once

#include "data/particle_set.hpp"
#include "data/source_kind.hpp"
#include "optics/phase_space.hpp"

namespace zelkor {

struct AxisRange {
    double min = 0.0;
    double max = 0.0;

    bool operator==(const AxisRange&) const = default;
};

// Smallest and largest value of one coordinate over all ions.
struct Extent {
    double lo = 0.0;
    double hi = 0.0;
};

// Minimum and maximum of a coordinate over records 1..count, first record as
// the start value. An empty set has nothing to measure: 0 and 0.
Extent CoordinateExtent(const ParticleSet& set, SourceKind kind, PhaseCoordinate coordinate);

// The automatic range of an axis: symmetric about 0, 5 % wider than the larger
// of |lo| and |hi| as the original rule weighs them.
AxisRange AutoAxisRange(double lo, double hi);

// What a chart can draw: an inverted range (every ion at one negative value)
// is turned round; an empty one (every ion at 0, or no ion) or one with an
// infinite end (a slope of an ion with cos_x = 0) becomes -1 .. 1.
AxisRange DrawableRange(AxisRange range);

}  // namespace zelkor
