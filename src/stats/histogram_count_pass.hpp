#pragma once

#include "data/particle_record.hpp"
#include "stats/interval_locator.hpp"

#include <span>

namespace zelkor::kernel_pass {

// The counting pass of a histogram: one visit per record, accepted records
// only; the progress bar moves one step every `period` records.
template <typename Value, typename P>
void CountIntoIntervals(std::span<const ParticleRecord> ions, Value value, const IntervalLocator& locate,
                        std::span<int> counts, int period, P& progress) {
    int sinceStep = 0;
    for (const ParticleRecord& r : ions) {
        if (r.accepted == 1) {
            const std::ptrdiff_t k = locate(value(r));
            if (k >= 0) ++counts[static_cast<std::size_t>(k)];
        }
        if (++sinceStep == period) {
            sinceStep = 0;
            progress.advance(1);
        }
        progress.yield();
    }
}

}  // namespace zelkor::kernel_pass
