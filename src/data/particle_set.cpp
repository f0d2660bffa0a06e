#include "data/particle_set.hpp"

#include "data/run_on_threads.hpp"

#include <algorithm>

namespace zelkor {

ParticleSet::ParticleSet(int lineCountOfFile)
    : records(static_cast<std::size_t>(std::max(lineCountOfFile, 1))), lineCount(lineCountOfFile) {}

void AcceptAll(ParticleSet& set) {
    if (set.count < 1) return;
    ParticleRecord* first = set.records.data() + 1;
    // On every core, and written only where it changes: a set whose ions are
    // all accepted already (the usual case) keeps its memory clean.
    ForEachRun(SplitIntoRuns(static_cast<std::size_t>(set.count)), [first](IndexRun run, std::size_t) {
        for (std::size_t i = run.begin; i < run.end; ++i)
            if (first[i].accepted != 1) first[i].accepted = 1;
    });
}

int CountRejected(const ParticleSet& set) {
    int rejected = 0;
    for (int i = 1; i <= set.count; ++i)
        if (set.records[static_cast<std::size_t>(i)].accepted == 0) ++rejected;
    return rejected;
}

}  // namespace zelkor
