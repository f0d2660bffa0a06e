#pragma once

#include "data/progress.hpp"

namespace zelkor::test {

// A progress that listens and counts what a pass offers it.
class CountingProgress : public Progress {
public:
    CountingProgress() : Progress(true) {}
    void advance(int steps) override {
        advanced += steps;
        ++advances;
    }
    int advanced = 0;  // the steps, summed
    int advances = 0;  // the calls
    long yields = 0;

protected:
    void onYield() override { ++yields; }
};

}  // namespace zelkor::test
