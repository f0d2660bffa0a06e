#include "stats/more_statistics.hpp"

#include "stats/fwhm.hpp"
#include "stats/interval_locator.hpp"
#include "stats/ion_span.hpp"
#include "stats/progress_dispatch.hpp"
#include "stats/quantity_value.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zelkor {
namespace {

// The scope's values in index order and the sums of the third and fourth
// powers of their deviations from the mean.
struct ScopeValues {
    std::vector<double> values;
    double cubes = 0.0;
    double fourths = 0.0;
    bool anyNan = false;
};

template <typename Value, typename P>
ScopeValues Gather(std::span<const ParticleRecord> ions, Value value, bool acceptedOnly, double mean, P& progress) {
    ScopeValues s;
    s.values.reserve(ions.size());
    double cubes = 0.0;
    double fourths = 0.0;
    for (const ParticleRecord& r : ions) {
        if (!acceptedOnly || r.accepted == 1) {
            const double v = value(r);
            s.values.push_back(v);
            const double d = v - mean;
            const double d2 = d * d;
            cubes += d2 * d;
            fourths += d2 * d2;
        }
        progress.yield();
    }
    s.cubes = cubes;
    s.fourths = fourths;
    s.anyNan = std::any_of(s.values.begin(), s.values.end(), [](double v) { return std::isnan(v); });
    return s;
}

std::vector<int> Count(const std::vector<double>& values, const Histogram& plan) {
    if (plan.intervalCount < 1) return {};
    std::vector<int> counts(static_cast<std::size_t>(plan.intervalCount), 0);
    const std::vector<double> edges = AccumulatedEdges(plan.start, plan.width, plan.intervalCount);
    const IntervalLocator locate(edges, plan.width);
    for (const double v : values) {
        const std::ptrdiff_t k = locate(v);
        if (k >= 0) ++counts[static_cast<std::size_t>(k)];
    }
    return counts;
}

// Reorders the values. Undefined for an empty set or one holding a nan, which
// has no place in an order.
std::optional<double> Median(std::vector<double>& values, bool anyNan) {
    if (values.empty() || anyNan) return std::nullopt;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1) return *middle;
    const double below = *std::max_element(values.begin(), middle);
    return (below + *middle) * 0.5;
}

}  // namespace

MoreStatistics ComputeMoreStatistics(const ParticleSet& set, const QuantitySelection& selection, StatScope scope,
                                     const StatSummary& summary, Histogram plan, Progress& progress) {
    const bool acceptedOnly = scope == StatScope::Accepted;
    ScopeValues s = WithProgress(progress, [&](auto& p) {
        return WithQuantityValue(
            selection, [&](const auto& value) { return Gather(Ions(set), value, acceptedOnly, summary.mean, p); });
    });
    MoreStatistics more;
    const double n = static_cast<double>(s.values.size());
    more.count = static_cast<int>(s.values.size());
    if (more.count > 0) more.meanError = summary.sigma / std::sqrt(n);
    if (more.count > 1) more.sigmaError = summary.sigma / std::sqrt(2.0 * (n - 1.0));
    const double m2 = summary.dispersion;
    if (more.count > 0 && m2 > 0.0) {
        more.skewness = s.cubes / n / std::pow(m2, 1.5);
        more.kurtosis = s.fourths / n / (m2 * m2) - 3.0;
    }
    plan.counts = Count(s.values, plan);
    more.fwhm = FullWidthAtHalfMaximum(plan);
    more.histogram = std::move(plan);
    more.median = Median(s.values, s.anyNan);
    return more;
}

}  // namespace zelkor
