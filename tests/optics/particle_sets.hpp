#pragma once

#include "data/particle_set.hpp"
#include "data/progress.hpp"

#include <initializer_list>

namespace zelkor::optics_test {

// A set holding the given records as ions 1..n, all accepted unless a record says otherwise.
inline ParticleSet SetOf(std::initializer_list<ParticleRecord> records) {
    ParticleSet set(static_cast<int>(records.size()) + 1);
    for (const ParticleRecord& r : records) set.records[static_cast<std::size_t>(++set.count)] = r;
    return set;
}

// A record with position (Angstrom) and direction cosines.
inline ParticleRecord Ion(double y, double z, double cosX, double cosY, double cosZ, double energy = 1.0e6) {
    ParticleRecord r;
    r.energy = energy;
    r.y = y;
    r.z = z;
    r.cos_x = cosX;
    r.cos_y = cosY;
    r.cos_z = cosZ;
    return r;
}

// Sums the steps a pass reports and counts its yields.
class StepCounter : public Progress {
public:
    StepCounter() : Progress(true) {}
    void advance(int steps) override {
        total += steps;
        ++advances;
    }
    int total = 0;
    int advances = 0;
    long yields = 0;

protected:
    void onYield() override { ++yields; }
};

} // namespace zelkor::optics_test
