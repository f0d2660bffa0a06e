#include "stats/more_statistics.hpp"

#include "stats/fwhm.hpp"
#include "stats/interval_locator.hpp"
#include "stats/ion_span.hpp"
#include "stats/progress_dispatch.hpp"
#include "stats/value_column.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
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
    bool anyNan = false;
    for (const ParticleRecord& r : ions) {
        if (!acceptedOnly || r.accepted == 1) {
            const double v = value(r);
            s.values.push_back(v);
            anyNan = anyNan || std::isnan(v);
            const double d = v - mean;
            const double d2 = d * d;
            cubes += d2 * d;
            fourths += d2 * d2;
        }
        progress.yield();
    }
    s.cubes = cubes;
    s.fourths = fourths;
    s.anyNan = anyNan;
    return s;
}

// The values counted into the histogram's intervals, with the values below
// its first edge and those at or beyond its last as two more buckets. A
// value's rank then lies in one bucket, and selecting it needs only the
// values of that bucket rather than all of them.
class Buckets {
public:
    // A plan without intervals leaves every value in the one bucket "below".
    Buckets(const std::vector<double>& values, const Histogram& plan)
        : intervals_(plan.intervalCount > 0),
          edges_(AccumulatedEdges(plan.start, plan.width, intervals_ ? plan.intervalCount : 1)),
          locate_(edges_, intervals_ ? plan.width : 1.0),
          counts_(edges_.size() + 1, 0) {
        for (const double v : values) ++counts_[of(v)];
    }

    // The counts of the histogram's intervals.
    std::vector<int> intervalCounts() const {
        if (!intervals_) return {};
        return {counts_.begin() + 1, counts_.end() - 1};
    }

    // The k-th and (k+1)-th smallest values (0-based) of values; none may be
    // nan. Both usually lie in one bucket, which is then gathered once.
    std::pair<double, double> pairFrom(const std::vector<double>& values, std::size_t k) const {
        const auto [bucket, j] = find(k);
        if (j + 1 >= static_cast<std::size_t>(counts_[bucket])) return {kth(values, k), kth(values, k + 1)};
        std::vector<double> in = members(values, bucket);
        const auto next = in.begin() + static_cast<std::ptrdiff_t>(j + 1);
        std::nth_element(in.begin(), next, in.end());
        return {*std::max_element(in.begin(), next), *next};
    }

    double kth(const std::vector<double>& values, std::size_t k) const {
        const auto [bucket, j] = find(k);
        std::vector<double> in = members(values, bucket);
        std::nth_element(in.begin(), in.begin() + static_cast<std::ptrdiff_t>(j), in.end());
        return in[j];
    }

private:
    // The bucket of the k-th smallest value and its rank within the bucket.
    std::pair<std::size_t, std::size_t> find(std::size_t k) const {
        std::size_t bucket = 0;
        for (; k >= static_cast<std::size_t>(counts_[bucket]); ++bucket) k -= static_cast<std::size_t>(counts_[bucket]);
        return {bucket, k};
    }

    // The values of a bucket, by its own bounds: the comparisons the locator settles on.
    std::vector<double> members(const std::vector<double>& values, std::size_t bucket) const {
        constexpr double kInfinity = std::numeric_limits<double>::infinity();
        const double low = bucket == 0 ? -kInfinity : edges_[bucket - 1];
        const double high = !intervals_ || bucket == edges_.size() ? kInfinity : edges_[bucket];
        std::vector<double> in;
        in.reserve(static_cast<std::size_t>(counts_[bucket]));
        for (const double v : values)
            if (v >= low && v < high) in.push_back(v);
        return in;
    }

    std::size_t of(double v) const {
        if (!intervals_ || v < edges_.front()) return 0;
        const std::ptrdiff_t k = locate_(v);
        return k >= 0 ? static_cast<std::size_t>(k) + 1 : counts_.size() - 1;
    }

    bool intervals_;
    std::vector<double> edges_;
    IntervalLocator locate_;
    std::vector<int> counts_;
};

// The mean of the two middle values for an even count. Undefined for no value
// or a nan among them, which has no place in an order.
std::optional<double> Median(const std::vector<double>& values, bool anyNan, const Buckets& buckets) {
    if (values.empty() || anyNan) return std::nullopt;
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1) return buckets.kth(values, middle);
    const auto [below, above] = buckets.pairFrom(values, middle - 1);
    return (below + above) * 0.5;
}

}  // namespace

MoreStatistics ComputeMoreStatistics(const ParticleSet& set, const QuantitySelection& selection, StatScope scope,
                                     const StatSummary& summary, Histogram plan, Progress& progress) {
    const bool acceptedOnly = scope == StatScope::Accepted;
    ScopeValues s = WithProgress(progress, [&](auto& p) {
        const auto ions = Ions(set);
        return WithColumnValue(ions, selection,
                               [&](const auto& value) { return Gather(ions, value, acceptedOnly, summary.mean, p); });
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
    const Buckets buckets(s.values, plan);
    plan.counts = buckets.intervalCounts();
    more.fwhm = FullWidthAtHalfMaximum(plan);
    more.histogram = std::move(plan);
    more.median = Median(s.values, s.anyNan, buckets);
    return more;
}

}  // namespace zelkor
