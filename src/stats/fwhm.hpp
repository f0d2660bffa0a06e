#pragma once

#include "stats/histogram.hpp"

#include <optional>

namespace zelkor {

// The full width at half maximum of a counted histogram: from the first
// interval holding the most ions, each side is followed outwards to the first
// interval below half that count, and the crossing is interpolated linearly
// between the centres of that interval and its inner neighbour. Nothing
// (shown as "undefined") when a side reaches the histogram's end without
// falling below half, or when no interval holds an ion.
std::optional<double> FullWidthAtHalfMaximum(const Histogram& histogram);

}  // namespace zelkor
