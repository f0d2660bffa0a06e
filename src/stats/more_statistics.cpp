#include "stats/more_statistics.hpp"

#include "data/run_on_threads.hpp"
#include "stats/fwhm.hpp"
#include "stats/interval_locator.hpp"
#include "stats/ion_span.hpp"
#include "stats/progress_dispatch.hpp"
#include "stats/value_column.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <span>
#include <type_traits>
#include <utility>
#include <vector>

namespace zelkor {
namespace {

// The scope's values in index order: the quantity's column itself when every
// ion is in the scope and its values were evaluated into one, else a copy
// (made on every core when every ion is in the scope).
class ScopeValues {
public:
    template <typename Value>
    ScopeValues(std::span<const ParticleRecord> ions, const Value& value, bool acceptedOnly) {
        if (acceptedOnly) {
            accepted_.reserve(ions.size());
            for (const ParticleRecord& r : ions)
                if (r.accepted == 1) accepted_.push_back(value(r));
            values_ = accepted_;
        } else if constexpr (std::is_same_v<Value, quantity_value::FromColumn>) {
            values_ = {value.values, ions.size()};
        } else {
            all_ = std::make_unique<ValueColumn>(ions.size());
            FillColumn(ions, value, all_->data());
            values_ = {all_->data(), ions.size()};
        }
    }

    std::span<const double> values() const { return values_; }

private:
    std::vector<double> accepted_;
    std::unique_ptr<ValueColumn> all_;
    std::span<const double> values_;
};

// The sums of the third and fourth powers of the deviations from the mean,
// accumulated in index order.
struct CentralSums {
    double cubes = 0.0;
    double fourths = 0.0;
    bool anyNan = false;
};

template <typename P>
CentralSums SumDeviations(std::span<const double> values, double mean, P& progress) {
    double cubes = 0.0;
    double fourths = 0.0;
    bool anyNan = false;
    for (const double v : values) {
        anyNan = anyNan || std::isnan(v);
        const double d = v - mean;
        const double d2 = d * d;
        cubes += d2 * d;
        fourths += d2 * d2;
        progress.yield();
    }
    return {cubes, fourths, anyNan};
}

// The values counted into the histogram's intervals, with the values below
// its first edge and those at or beyond its last as two more buckets. A
// value's rank then lies in one bucket, and selecting it needs only the
// values of that bucket rather than all of them.
class Buckets {
public:
    // A plan without intervals leaves every value in the one bucket "below".
    Buckets(std::span<const double> values, const Histogram& plan)
        : intervals_(plan.intervalCount > 0),
          edges_(AccumulatedEdges(plan.start, plan.width, intervals_ ? plan.intervalCount : 1)),
          locate_(edges_, intervals_ ? plan.width : 1.0),
          counts_(edges_.size() + 1, 0) {
        // Counted on every core, a count array per run: whole numbers add up
        // the same in any order.
        const std::vector<IndexRun> runs = SplitIntoRuns(values.size());
        if (runs.empty()) return;
        std::vector<std::vector<int>> partial(runs.size(), std::vector<int>(counts_.size(), 0));
        ForEachRun(runs, [&](IndexRun run, std::size_t k) {
            std::vector<int>& counts = partial[k];
            for (std::size_t i = run.begin; i < run.end; ++i) ++counts[of(values[i])];
        });
        for (const std::vector<int>& counts : partial)
            for (std::size_t b = 0; b < counts_.size(); ++b) counts_[b] += counts[b];
    }

    // The counts of the histogram's intervals.
    std::vector<int> intervalCounts() const {
        if (!intervals_) return {};
        return {counts_.begin() + 1, counts_.end() - 1};
    }

    // The k-th and (k+1)-th smallest values (0-based) of values; none may be
    // nan. Both usually lie in one bucket, which is then gathered once.
    std::pair<double, double> pairFrom(std::span<const double> values, std::size_t k) const {
        const auto [bucket, j] = find(k);
        if (j + 1 >= static_cast<std::size_t>(counts_[bucket])) return {kth(values, k), kth(values, k + 1)};
        std::vector<double> in = members(values, bucket);
        const auto next = in.begin() + static_cast<std::ptrdiff_t>(j + 1);
        std::nth_element(in.begin(), next, in.end());
        return {*std::max_element(in.begin(), next), *next};
    }

    double kth(std::span<const double> values, std::size_t k) const {
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
    // Without a branch per value: in random order the comparisons are a coin toss.
    std::vector<double> members(std::span<const double> values, std::size_t bucket) const {
        constexpr double kInfinity = std::numeric_limits<double>::infinity();
        const double low = bucket == 0 ? -kInfinity : edges_[bucket - 1];
        const double high = !intervals_ || bucket == edges_.size() ? kInfinity : edges_[bucket];
        const std::size_t room = static_cast<std::size_t>(counts_[bucket]);
        std::vector<double> in(room + 1);
        std::size_t n = 0;
        for (const double v : values) {
            in[n] = v;
            n = std::min(n + static_cast<std::size_t>((v >= low) & (v < high)), room);
        }
        in.resize(n);
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
std::optional<double> Median(std::span<const double> values, bool anyNan, const Buckets& buckets) {
    if (values.empty() || anyNan) return std::nullopt;
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1) return buckets.kth(values, middle);
    const auto [below, above] = buckets.pairFrom(values, middle - 1);
    return (below + above) * 0.5;
}

MoreStatistics FiguresOf(std::span<const double> values, const StatSummary& summary, Histogram plan,
                         Progress& progress) {
    const CentralSums s = WithProgress(progress, [&](auto& p) { return SumDeviations(values, summary.mean, p); });
    MoreStatistics more;
    const double n = static_cast<double>(values.size());
    more.count = static_cast<int>(values.size());
    if (more.count > 0) more.meanError = summary.sigma / std::sqrt(n);
    if (more.count > 1) more.sigmaError = summary.sigma / std::sqrt(2.0 * (n - 1.0));
    const double m2 = summary.dispersion;
    if (more.count > 0 && m2 > 0.0) {
        more.skewness = s.cubes / n / std::pow(m2, 1.5);
        more.kurtosis = s.fourths / n / (m2 * m2) - 3.0;
    }
    const Buckets buckets(values, plan);
    plan.counts = buckets.intervalCounts();
    more.fwhm = FullWidthAtHalfMaximum(plan);
    more.histogram = std::move(plan);
    more.median = Median(values, s.anyNan, buckets);
    return more;
}

}  // namespace

MoreStatistics ComputeMoreStatistics(const ParticleSet& set, const QuantitySelection& selection, StatScope scope,
                                     const StatSummary& summary, Histogram plan, Progress& progress) {
    const bool acceptedOnly = scope == StatScope::Accepted;
    const auto ions = Ions(set);
    return WithColumnValue(ions, selection, [&](const auto& value) {
        const ScopeValues scope(ions, value, acceptedOnly);
        return FiguresOf(scope.values(), summary, std::move(plan), progress);
    });
}

}  // namespace zelkor
