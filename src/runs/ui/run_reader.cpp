#include "runs/ui/run_reader.hpp"

#include <QMetaType>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <iterator>
#include <mutex>

namespace zelkor {

// What the reader and its thread share; the thread keeps it alive when the
// reader has gone.
struct RunReader::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::vector<RunRequest>> batches;
    bool reading = false;
    RunReader* owner = nullptr;  // null once the reader is gone
};

RunReader::RunReader(QObject* parent) : QObject(parent), shared_(std::make_shared<Shared>()) {
    shared_->owner = this;
    qRegisterMetaType<RunSummary>("zelkor::RunSummary");
    // Rows arrive in the window's thread; the count of pending files is kept there.
    connect(this, &RunReader::rowReady, this, [this] { --pending_; });
}

RunReader::~RunReader() {
    bool idle = false;
    {
        std::unique_lock lock(shared_->mutex);
        shared_->owner = nullptr;
        shared_->batches.clear();
        shared_->wake.notify_all();
        idle = shared_->wake.wait_for(lock, std::chrono::seconds(3), [this] { return !shared_->reading; });
    }
    if (!thread_.joinable()) return;
    if (idle)
        thread_.join();
    else
        thread_.detach();
}

void RunReader::read(std::vector<RunRequest> requests) {
    if (requests.empty()) return;
    pending_ += static_cast<int>(requests.size());
    // A file per core at a time: all cores read, and a reader that goes waits
    // for no more than one such batch.
    const std::size_t batch = std::max(1U, std::thread::hardware_concurrency());
    {
        const std::lock_guard lock(shared_->mutex);
        for (std::size_t first = 0; first < requests.size(); first += batch) {
            const auto from = requests.begin() + static_cast<std::ptrdiff_t>(first);
            const auto to = requests.begin() + static_cast<std::ptrdiff_t>(std::min(requests.size(), first + batch));
            shared_->batches.emplace_back(std::make_move_iterator(from), std::make_move_iterator(to));
        }
    }
    shared_->wake.notify_all();
    if (!thread_.joinable()) thread_ = std::thread([shared = shared_] { Work(shared); });
}

void RunReader::Work(const std::shared_ptr<Shared>& shared) {
    for (;;) {
        std::vector<RunRequest> batch;
        {
            std::unique_lock lock(shared->mutex);
            shared->reading = false;
            shared->wake.notify_all();
            shared->wake.wait(lock, [&] { return shared->owner == nullptr || !shared->batches.empty(); });
            if (shared->owner == nullptr) return;
            batch = std::move(shared->batches.front());
            shared->batches.pop_front();
            shared->reading = true;
        }
        // The signal crosses to the reader's thread queued, with a copy of
        // the row; under the lock, so the reader cannot go meanwhile.
        SummarizeRuns(batch, {}, [&shared](std::size_t, const RunSummary& row) {
            const std::lock_guard lock(shared->mutex);
            if (shared->owner != nullptr) emit shared->owner->rowReady(row);
        });
    }
}

}  // namespace zelkor
