#pragma once

#include "data/particle_set.hpp"
#include "support/counting_progress.hpp"
#include "support/particle_sets.hpp"

#include <initializer_list>

namespace zelkor::optics_test {

// A set holding the given records as ions 1..n, all accepted unless a record says otherwise.
inline ParticleSet SetOf(std::initializer_list<ParticleRecord> records) { return test::SetOfRecords(records); }

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

using StepCounter = test::CountingProgress;

}  // namespace zelkor::optics_test
