#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace zelkor::platform {

// Threads that run a piece of work each and are joined when the group ends.
// A build without threads (ZELKOR_SINGLE_THREAD) starts none.
class WorkerThreads {
public:
    WorkerThreads();
    ~WorkerThreads();  // waits for every started thread
    WorkerThreads(const WorkerThreads&) = delete;
    WorkerThreads& operator=(const WorkerThreads&) = delete;

    // Runs work on a new thread; false when no thread could be had, and then
    // work has not run.
    bool start(std::function<void()> work);

private:
    struct Threads;
    std::unique_ptr<Threads> threads_;
};

// The machine's hardware threads; 1 when unknown or without threads.
unsigned HardwareThreads();

}  // namespace zelkor::platform
