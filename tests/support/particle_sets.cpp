#include "support/particle_sets.hpp"

#include "data/run_on_threads.hpp"

#include <array>
#include <cmath>
#include <limits>
#include <random>

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

namespace {

// One in eight fields gets one of these instead of its usual value.
double Awkward(std::mt19937_64& random, double usual) {
    static constexpr std::array<double, 10> kOdd{-0.0, 0.0, 5e-324, -2.2e-308, 1e-300, -1e300, 1e300, 1.0, -1.0, 0.5};
    if (random() % 8 != 0) return usual;
    return kOdd[random() % kOdd.size()];
}

}  // namespace

ParticleSet AwkwardSet(int count, unsigned seed) {
    std::mt19937_64 random(seed);
    std::normal_distribution<double> normal(0.0, 1.0);
    std::vector<ParticleRecord> records(static_cast<std::size_t>(count));
    for (ParticleRecord& r : records) {
        r.energy = Awkward(random, 5.0e6 * (1.0 + 0.02 * normal(random)));
        r.x = Awkward(random, 1.128014e4);
        r.y = Awkward(random, 1.0e3 * normal(random));
        r.z = Awkward(random, 1.0e3 * normal(random));
        const double cy = 0.02 * normal(random);
        const double cz = 0.02 * normal(random);
        r.cos_y = Awkward(random, cy);
        r.cos_z = Awkward(random, cz);
        r.cos_x = Awkward(random, std::sqrt(1.0 - cy * cy - cz * cz));
        r.momentum = Awkward(random, 1.0e8 * (1.0 + 0.01 * normal(random)));
        r.accepted = random() % 5 == 0 ? 0 : 1;
    }
    return SetOfRecords(records);
}

ScopedPassThreads::ScopedPassThreads(unsigned threads, std::size_t minimumItems) {
    SetPassThreads({threads, minimumItems});
}

ScopedPassThreads::~ScopedPassThreads() { ResetPassThreads(); }

}  // namespace zelkor::test
