#include "relativity/momentum_pass.hpp"

#include "relativity/per_ion_formulas.hpp"

namespace zelkor {

void ComputeMomenta(ParticleSet& set, double amu, Progress& progress) {
    set.readExtents.reset();
    const int stored = static_cast<int>(set.records.size()) - 1;
    const int count = set.count < stored ? set.count : stored;
    for (int i = 1; i <= count; ++i) {
        ParticleRecord& r = set.records[static_cast<std::size_t>(i)];
        r.momentum = MomentumOfIon(r.energy, amu);
        progress.yield();
    }
}

}  // namespace zelkor
