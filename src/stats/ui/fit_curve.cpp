#include "stats/ui/fit_curve.hpp"

#include <algorithm>
#include <limits>

namespace zelkor {

FitCurve SampleFitCurve(const Histogram& histogram, const GaussianFit& fit) {
    FitCurve curve;
    const int intervals = static_cast<int>(histogram.counts.size());
    if (intervals == 0) return curve;
    // Smooth at every zoom, yet a few thousand points at most.
    const int perInterval = std::clamp(4000 / intervals, 4, 40);
    const int samples = intervals * perInterval;
    const double firstCentre = histogram.start + histogram.width * 0.5;
    curve.keys.reserve(samples + 1);
    curve.values.reserve(samples + 1);
    for (int i = 0; i <= samples; ++i) {
        const double offset = static_cast<double>(i) / perInterval - 0.5;  // in widths from the first centre
        const double value =
            GaussianValue(fit.amplitude.value, fit.mean.value, fit.sigma.value, firstCentre + offset * histogram.width);
        curve.keys.push_back(1.0 + offset);
        curve.values.push_back(value > 1e-6 ? value : std::numeric_limits<double>::quiet_NaN());
    }
    return curve;
}

}  // namespace zelkor
