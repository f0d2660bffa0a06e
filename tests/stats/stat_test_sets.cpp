#include "stats/stat_test_sets.hpp"

#include <limits>

namespace zelkor::stats_test {

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

std::vector<std::uint8_t> Flags(const ParticleSet& set) {
    std::vector<std::uint8_t> flags;
    for (int i = 1; i <= set.count; ++i) flags.push_back(set.record(i).accepted);
    return flags;
}

void SetFlags(ParticleSet& set, const std::vector<std::uint8_t>& flags) {
    for (int i = 1; i <= set.count; ++i) set.record(i).accepted = flags[static_cast<std::size_t>(i - 1)];
}

} // namespace zelkor::stats_test
