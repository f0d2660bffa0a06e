#include "data/particle_set.hpp"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

// Sets cross the large-block threshold while they grow: every record must
// survive each move between small and large blocks.
TEST(LargeBlockAllocator, RecordsSurviveGrowthAcrossTheThreshold) {
    ParticleSet set;
    for (int i = 1; i <= 200000; ++i) {
        ParticleRecord& r = set.records.emplace_back();
        r.energy = i;
        r.cos_z = -i;
    }
    set.count = 200000;
    EXPECT_GE(set.records.capacity() * sizeof(ParticleRecord), std::size_t{4} << 20);
    for (int i : {1, 2, 58254, 58255, 199999, 200000}) {
        EXPECT_EQ(set.record(i).energy, i);
        EXPECT_EQ(set.record(i).cos_z, -i);
    }
    ParticleSet copy = set;
    set.records.shrink_to_fit();
    EXPECT_EQ(copy.record(200000).energy, 200000);
}

}  // namespace
}  // namespace zelkor
