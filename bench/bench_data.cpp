#include "bench_data.hpp"

#include <cmath>
#include <random>

namespace zelkor::bench {

ParticleSet MakeBenchSet(int count) {
    ParticleSet set(count + 1);  // slot 0 and records 1..count
    set.count = count;
    set.lineCount = count;
    std::mt19937_64 random(20261209);
    std::normal_distribution<double> normal(0.0, 1.0);
    for (int i = 1; i <= count; ++i) {
        ParticleRecord& r = set.record(i);
        r.energy = 5.0e6 * (1.0 + 0.02 * normal(random));
        r.x = 1.128014e4;
        r.y = 1.0e3 * normal(random);
        r.z = 1.0e3 * normal(random);
        r.cos_y = 0.02 * normal(random);
        r.cos_z = 0.02 * normal(random);
        r.cos_x = std::sqrt(1.0 - r.cos_y * r.cos_y - r.cos_z * r.cos_z);
        r.accepted = 1;
    }
    return set;
}

} // namespace zelkor::bench
