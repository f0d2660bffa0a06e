#include "data/particle_set.hpp"

#include <algorithm>

namespace zelkor {

ParticleSet::ParticleSet(int lineCountOfFile)
    : records(static_cast<std::size_t>(std::max(lineCountOfFile, 1))), lineCount(lineCountOfFile) {}

void AcceptAll(ParticleSet& set) {
    for (int i = 1; i <= set.count; ++i) set.records[static_cast<std::size_t>(i)].accepted = 1;
}

int CountRejected(const ParticleSet& set) {
    int rejected = 0;
    for (int i = 1; i <= set.count; ++i)
        if (set.records[static_cast<std::size_t>(i)].accepted == 0) ++rejected;
    return rejected;
}

}  // namespace zelkor
