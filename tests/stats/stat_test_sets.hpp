#pragma once

#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "stats/quantity_selection.hpp"

#include <bit>
#include <cstdint>
#include <vector>

namespace zelkor::stats_test {

// A set whose records 1..n carry the given energies (eV), all accepted. The
// storage has one spare slot holding nan, which no pass may read.
ParticleSet SetOfEnergies(const std::vector<double>& energies);

// Records 1..n as given, plus the same spare nan slot.
ParticleSet SetOfRecords(const std::vector<ParticleRecord>& records);

inline QuantitySelection Select(QuantityId quantity, int unitCode = 0, SourceKind kind = SourceKind::TransmitTxt) {
    return {quantity, unitCode, kind, 1, 1.0};
}

inline std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

std::vector<std::uint8_t> Flags(const ParticleSet& set);
void SetFlags(ParticleSet& set, const std::vector<std::uint8_t>& flags);

// A progress that listens and counts what a pass offers it.
class PassProgress : public Progress {
public:
    PassProgress() : Progress(true) {}
    void advance(int steps) override { advanced += steps; ++advances; }
    long yields = 0;
    int advanced = 0;
    int advances = 0;

protected:
    void onYield() override { ++yields; }
};

} // namespace zelkor::stats_test
