#pragma once

#include <algorithm>
#include <cstddef>
#include <span>

namespace zelkor {

// Finds the interval [edges[k], edges[k + 1]) that holds a value. The edges
// are accumulated sums, so they are non-decreasing but not exactly start + k w:
// the guess from (v - start) / w is checked against the real edges and
// corrected by a step or two, and std::upper_bound settles anything further off.
class IntervalLocator {
public:
    IntervalLocator(std::span<const double> edges, double width)
        : edges_(edges),
          intervals_(edges.size() - 1),
          first_(edges.front()),
          last_(edges.back()),
          inverseWidth_(1.0 / width) {}

    // 0-based interval index, or -1 for a value in none (below the first edge,
    // at or beyond the last, or nan).
    std::ptrdiff_t operator()(double v) const {
        if (!(v >= first_ && v < last_)) return -1;
        const double guess = (v - first_) * inverseWidth_;
        std::size_t k = guess < static_cast<double>(intervals_) ? static_cast<std::size_t>(guess) : intervals_ - 1;
        if (v < edges_[k]) {
            // v >= first_ keeps k above 0 while stepping down.
            for (int step = 0; step < 2; ++step)
                if (v >= edges_[--k]) return static_cast<std::ptrdiff_t>(k);
            return Search(v);
        }
        // v < last_ keeps k + 1 within the edges while stepping up.
        for (int step = 0; step < 3; ++step) {
            if (v < edges_[k + 1]) return static_cast<std::ptrdiff_t>(k);
            ++k;
        }
        return Search(v);
    }

private:
    std::ptrdiff_t Search(double v) const {
        return std::upper_bound(edges_.begin(), edges_.end(), v) - edges_.begin() - 1;
    }

    std::span<const double> edges_;
    std::size_t intervals_;
    double first_;
    double last_;
    double inverseWidth_;
};

}  // namespace zelkor
