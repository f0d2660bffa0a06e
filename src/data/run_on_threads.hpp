#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace zelkor {

// Runs work(k) for k in 0..count-1: 0 on the calling thread, the others on
// threads of their own; once its own part is done the calling thread waits,
// calling waiting() about every 10 ms so that the window stays alive. The
// first exception thrown by any part is thrown again after all have ended.
void RunOnThreads(std::size_t count, const std::function<void(std::size_t)>& work,
                  const std::function<void()>& waiting);

// Items [begin, end) of a pass that is shared out between threads.
struct IndexRun {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t size() const { return end - begin; }
};

// How passes over the ions are shared out: at most `threads` runs, and no
// run of fewer than minimumItems unless there is only one.
struct PassThreads {
    unsigned threads = 1;
    std::size_t minimumItems = 1;
};

// The machine's hardware threads (1 where there are no threads), 16384 items.
PassThreads CurrentPassThreads();
// For tests that split small sets, and benchmarks that compare one thread with all.
void SetPassThreads(const PassThreads& split);
void ResetPassThreads();

// [0, count) in nearly equal runs as CurrentPassThreads() allows; none for no item.
std::vector<IndexRun> SplitIntoRuns(std::size_t count);

// work(run, k) for every run, run 0 on the calling thread; waiting as RunOnThreads.
template <class Work>
void ForEachRun(
    const std::vector<IndexRun>& runs, Work&& work, const std::function<void()>& waiting = [] {}) {
    if (runs.size() == 1) return work(runs[0], std::size_t{0});
    RunOnThreads(
        runs.size(), [&](std::size_t k) { work(runs[k], k); }, waiting);
}

}  // namespace zelkor
