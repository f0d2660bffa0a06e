#include "data/platform/worker_threads.hpp"

#include <system_error>
#include <thread>

namespace zelkor::platform {

// std::jthread where the library has it; std::thread joined by hand otherwise.
#if defined(ZELKOR_SINGLE_THREAD)
struct WorkerThreads::Threads {};
#elif defined(__cpp_lib_jthread)
struct WorkerThreads::Threads {
    std::vector<std::jthread> running;
};
#else
struct WorkerThreads::Threads {
    std::vector<std::thread> running;
    ~Threads() {
        for (std::thread& thread : running) thread.join();
    }
};
#endif

WorkerThreads::WorkerThreads() : threads_(std::make_unique<Threads>()) {}

WorkerThreads::~WorkerThreads() = default;

bool WorkerThreads::start(std::function<void()> work) {
#if defined(ZELKOR_SINGLE_THREAD)
    (void)work;
    return false;
#else
    try {
        threads_->running.emplace_back(std::move(work));
        return true;
    } catch (const std::system_error&) {
        return false;
    }
#endif
}

unsigned HardwareThreads() {
#if defined(ZELKOR_SINGLE_THREAD)
    return 1;
#else
    const unsigned hardware = std::thread::hardware_concurrency();
    return hardware > 0 ? hardware : 1;
#endif
}

}  // namespace zelkor::platform
