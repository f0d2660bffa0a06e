#include "runs/ui/run_reader.hpp"

#include <QMetaType>

#include <algorithm>
#include <iterator>

namespace zelkor {

RunReader::RunReader(QObject* parent) : QObject(parent) {
    qRegisterMetaType<RunSummary>("zelkor::RunSummary");
    // Rows arrive in the window's thread; the count of pending files is kept there.
    connect(this, &RunReader::rowReady, this, [this] { --pending_; });
}

RunReader::~RunReader() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        batches_.clear();
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void RunReader::read(std::vector<RunRequest> requests) {
    if (requests.empty()) return;
    pending_ += static_cast<int>(requests.size());
    // A file per core at a time: all cores read, and a reader that goes waits
    // for no more than one such batch.
    const std::size_t batch = std::max(1U, std::thread::hardware_concurrency());
    {
        const std::lock_guard lock(mutex_);
        for (std::size_t first = 0; first < requests.size(); first += batch) {
            const auto from = requests.begin() + static_cast<std::ptrdiff_t>(first);
            const auto to = requests.begin() + static_cast<std::ptrdiff_t>(std::min(requests.size(), first + batch));
            batches_.emplace_back(std::make_move_iterator(from), std::make_move_iterator(to));
        }
    }
    wake_.notify_all();
    if (!thread_.joinable()) thread_ = std::thread([this] { work(); });
}

void RunReader::work() {
    for (;;) {
        std::vector<RunRequest> batch;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !batches_.empty(); });
            if (stopping_) return;
            batch = std::move(batches_.front());
            batches_.pop_front();
        }
        SummarizeRuns(batch, {}, [this](std::size_t, const RunSummary& row) { deliver(row); });
    }
}

// From a reading thread: the signal crosses to the reader's thread queued,
// with a copy of the row.
void RunReader::deliver(const RunSummary& row) { emit rowReady(row); }

}  // namespace zelkor
