#include "stats/fwhm.hpp"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace zelkor {
namespace {

// The centre of interval k, as the graph labels its bar.
double Centre(const std::vector<double>& edges, std::size_t k) { return (edges[k] + edges[k + 1]) * 0.5; }

// Where the straight line between the centres of intervals `below` (under
// half) and `above` (at or over half) reaches half.
double Crossing(const Histogram& h, const std::vector<double>& edges, std::size_t below, std::size_t above,
                double half) {
    const double cBelow = h.counts[below];
    const double cAbove = h.counts[above];
    const double xBelow = Centre(edges, below);
    return xBelow + (half - cBelow) / (cAbove - cBelow) * (Centre(edges, above) - xBelow);
}

}  // namespace

std::optional<double> FullWidthAtHalfMaximum(const Histogram& h) {
    const std::vector<int>& counts = h.counts;
    if (counts.empty()) return std::nullopt;
    const auto peakAt = std::max_element(counts.begin(), counts.end());
    if (*peakAt <= 0) return std::nullopt;
    const double half = *peakAt * 0.5;
    const std::size_t peak = static_cast<std::size_t>(peakAt - counts.begin());

    std::size_t left = peak;
    while (left > 0 && counts[left - 1] >= half) --left;
    std::size_t right = peak;
    while (right + 1 < counts.size() && counts[right + 1] >= half) ++right;
    if (left == 0 || right + 1 == counts.size()) return std::nullopt;

    const std::vector<double> edges = AccumulatedEdges(h.start, h.width, static_cast<int>(counts.size()));
    return Crossing(h, edges, right + 1, right, half) - Crossing(h, edges, left - 1, left, half);
}

}  // namespace zelkor
