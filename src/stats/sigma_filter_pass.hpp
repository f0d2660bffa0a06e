#pragma once

#include "data/particle_record.hpp"
#include "stats/kernel_passes.hpp"

#include <cmath>
#include <cstdint>
#include <span>

namespace zelkor::kernel_pass {

// The flag pass of the n-sigma filter. A byte is stored only when it changes:
// re-applying a filter (which every filtered display does) then leaves the
// records' cache lines clean.
template <typename Value, typename P>
void MarkBand(std::span<ParticleRecord> ions, Value value, double lo, double hi, P& progress) {
    for (ParticleRecord& r : ions) {
        const double v = value(r);
        const std::uint8_t flag = (lo <= v && v <= hi) ? 1 : 0;
        if (r.accepted != flag) r.accepted = flag;
        progress.yield();
    }
}

// MeanAll and SigmaAll, then the band [m - n s, m + n s] marked.
template <typename Value, typename P>
void SigmaFilter(std::span<ParticleRecord> ions, Value value, double n, P& progress) {
    const std::span<const ParticleRecord> view(ions);
    const double m = MeanOf(SumAll(view, value, progress), ions.size());
    const double s = std::sqrt(MeanOf(SquaredDeviationSum(view, value, m, progress), ions.size()));
    const double lo = m - n * s;
    const double hi = m + n * s;
    MarkBand(ions, value, lo, hi, progress);
}

}  // namespace zelkor::kernel_pass
