#pragma once

#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "support/temp_dir.hpp"

#include <string>
#include <vector>

namespace zelkor::test {

// Splits at CR LF; fails the calling test when a lone CR or LF is found.
std::vector<std::string> SplitCrLf(const std::string& bytes);

// A set of count accepted records with simple distinct values.
ParticleSet MakeSet(int count);

// Counts what a pass reports.
class CountingProgress : public Progress {
public:
    CountingProgress() : Progress(true) {}
    void advance(int steps) override { advanced += steps; }
    int advanced = 0;
    int yields = 0;

protected:
    void onYield() override { ++yields; }
};

} // namespace zelkor::test
