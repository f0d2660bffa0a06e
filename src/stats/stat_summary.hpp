#pragma once

namespace zelkor {

// The five statistics of one quantity in one scope (all ions or accepted ions).
struct StatSummary {
    double min = 0.0;
    double max = 0.0;
    double mean = 0.0;
    double dispersion = 0.0;
    double sigma = 0.0;

    bool operator==(const StatSummary&) const = default;
};

}  // namespace zelkor
