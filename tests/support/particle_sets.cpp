#include "support/particle_sets.hpp"

#include <limits>

namespace zelkor::test {

ParticleSet SetOfRecords(const std::vector<ParticleRecord>& records) {
    ParticleSet set(static_cast<int>(records.size()) + 2);
    set.count = static_cast<int>(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) set.records[i + 1] = records[i];
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    ParticleRecord& spare = set.records.back();
    spare = ParticleRecord{nan, nan, nan, nan, nan, nan, nan, nan, 1};
    set.records.front() = spare;
    return set;
}

ParticleSet SetOfEnergies(const std::vector<double>& energies) {
    std::vector<ParticleRecord> records(energies.size());
    for (std::size_t i = 0; i < energies.size(); ++i) records[i].energy = energies[i];
    return SetOfRecords(records);
}

ParticleSet MakeSet(int count) {
    ParticleSet set(count + 1);
    set.count = count;
    for (int i = 1; i <= count; ++i) {
        ParticleRecord& r = set.record(i);
        r.energy = 1.0e6 + i;
        r.x = 1.0e4 + i;
        r.y = 10.0 * i;
        r.z = -5.0 * i;
        r.cos_x = 0.99;
        r.cos_y = 0.001 * i;
        r.cos_z = -0.002 * i;
        r.momentum = 0.0001 * i;
    }
    return set;
}

}  // namespace zelkor::test
