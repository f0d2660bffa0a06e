#include "runs/summarize_runs.hpp"

#include "data/platform/worker_threads.hpp"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <new>

namespace zelkor {
namespace {

// Lets a file start only while the estimated bytes of the files being read
// stay within the budget, or when nothing else is being read.
class MemoryGate {
public:
    explicit MemoryGate(std::uint64_t budget) : budget_(budget) {}

    void acquire(std::uint64_t bytes) {
        std::unique_lock lock(mutex_);
        free_.wait(lock, [&] { return inFlight_ == 0 || inFlight_ + bytes <= budget_; });
        inFlight_ += bytes;
    }
    void release(std::uint64_t bytes) {
        {
            const std::lock_guard lock(mutex_);
            inFlight_ -= bytes;
        }
        free_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable free_;
    std::uint64_t inFlight_ = 0;
    const std::uint64_t budget_;
};

std::uint64_t FileBytes(const std::filesystem::path& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : static_cast<std::uint64_t>(size);
}

// A row never leaves its thread as an exception.
RunSummary SummarizeGuarded(const RunRequest& request) {
    try {
        return SummarizeRun(request.path, request.kind);
    } catch (const std::bad_alloc&) {
        RunSummary row;
        row.path = request.path.string();
        row.failure = ErrorMessage(kOutOfMemoryText);
        return row;
    } catch (const std::exception& e) {
        RunSummary row;
        row.path = request.path.string();
        row.failure = ErrorMessage(e.what());
        return row;
    }
}

unsigned Workers(const RunPool& pool, std::size_t files) {
    unsigned threads = pool.threads > 0 ? pool.threads : platform::HardwareThreads();
    threads = std::max(threads, 1U);
    return static_cast<unsigned>(std::min<std::size_t>(threads, files));
}

}  // namespace

std::uint64_t EstimatedLoadBytes(std::uint64_t fileBytes) { return fileBytes + fileBytes / 4; }

std::vector<RunSummary> SummarizeRuns(const std::vector<RunRequest>& requests, const RunPool& pool,
                                      const std::function<void(std::size_t, const RunSummary&)>& onRow) {
    std::vector<RunSummary> rows(requests.size());
    std::atomic<std::size_t> next{0};
    MemoryGate gate(pool.memoryBudget);
    std::mutex report;
    const auto work = [&] {
        for (std::size_t i = next++; i < requests.size(); i = next++) {
            const std::uint64_t bytes = EstimatedLoadBytes(FileBytes(requests[i].path));
            gate.acquire(bytes);
            RunSummary row = SummarizeGuarded(requests[i]);
            gate.release(bytes);
            const std::lock_guard lock(report);
            rows[i] = std::move(row);
            if (onRow) onRow(i, rows[i]);
        }
    };
    const unsigned workers = Workers(pool, requests.size());
    {
        // Fewer threads than asked for (or none, in a build without threads)
        // still read every file: the calling thread works too.
        platform::WorkerThreads helpers;
        for (unsigned t = 1; t < workers && helpers.start(work); ++t) {}
        work();
    }
    return rows;
}

}  // namespace zelkor
