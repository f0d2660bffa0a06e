#include "data/run_on_threads.hpp"

#include "data/platform/worker_threads.hpp"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>

namespace zelkor {
namespace {

constexpr std::size_t kMinimumItems = 16384;

std::atomic<unsigned> gThreads{0};  // 0: the machine's
std::atomic<std::size_t> gMinimumItems{kMinimumItems};

}  // namespace

void RunOnThreads(std::size_t count, const std::function<void(std::size_t)>& work,
                  const std::function<void()>& waiting) {
    std::vector<std::exception_ptr> failures(count);
    std::mutex mutex;
    std::condition_variable ended;
    std::size_t running = count > 0 ? count - 1 : 0;
    auto guarded = [&](std::size_t k) {
        try {
            work(k);
        } catch (...) {
            failures[k] = std::current_exception();
        }
    };
    {
        platform::WorkerThreads threads;
        for (std::size_t k = 1; k < count; ++k) {
            const bool started = threads.start([&, k] {
                guarded(k);
                const std::lock_guard lock(mutex);
                --running;
                ended.notify_one();
            });
            if (!started) {
                // No thread to be had: this part runs here.
                guarded(k);
                const std::lock_guard lock(mutex);
                --running;
            }
        }
        if (count > 0) guarded(0);
        std::unique_lock lock(mutex);
        while (!ended.wait_for(lock, std::chrono::milliseconds(10), [&] { return running == 0; })) {
            lock.unlock();
            waiting();
            lock.lock();
        }
    }
    for (const std::exception_ptr& failure : failures)
        if (failure) std::rethrow_exception(failure);
}

PassThreads CurrentPassThreads() {
    const unsigned threads = gThreads.load();
    return {threads > 0 ? threads : platform::HardwareThreads(), gMinimumItems.load()};
}

void SetPassThreads(const PassThreads& split) {
    gThreads = std::max(split.threads, 1u);
    gMinimumItems = std::max<std::size_t>(split.minimumItems, 1);
}

void ResetPassThreads() {
    gThreads = 0;
    gMinimumItems = kMinimumItems;
}

std::vector<IndexRun> SplitIntoRuns(std::size_t count) {
    if (count == 0) return {};
    const PassThreads split = CurrentPassThreads();
    const std::size_t parts = std::clamp<std::size_t>(count / split.minimumItems, 1, split.threads);
    std::vector<IndexRun> runs(parts);
    for (std::size_t k = 0; k < parts; ++k) runs[k] = {count * k / parts, count * (k + 1) / parts};
    return runs;
}

}  // namespace zelkor
