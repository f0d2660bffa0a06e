#include "stats/stat_test_sets.hpp"

#include <limits>

namespace zelkor::stats_test {

std::vector<std::uint8_t> Flags(const ParticleSet& set) {
    std::vector<std::uint8_t> flags;
    for (int i = 1; i <= set.count; ++i) flags.push_back(set.record(i).accepted);
    return flags;
}

void SetFlags(ParticleSet& set, const std::vector<std::uint8_t>& flags) {
    for (int i = 1; i <= set.count; ++i) set.record(i).accepted = flags[static_cast<std::size_t>(i - 1)];
}

}  // namespace zelkor::stats_test
