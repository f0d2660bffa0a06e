#pragma once

#include "runs/summarize_runs.hpp"

#include <QObject>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace zelkor {

// Summarises files on a thread of its own, a batch of one file per core
// after another as they are asked for, and hands each row to the window's
// thread through a queued signal. The set the main window holds is never
// touched. Destroying the reader drops the batches not yet started and waits
// for the one being read, so that no row outlives the window it was meant for.
class RunReader : public QObject {
    Q_OBJECT
public:
    explicit RunReader(QObject* parent = nullptr);
    ~RunReader() override;

    void read(std::vector<RunRequest> requests);
    // Files asked for whose rows have not arrived yet.
    int pending() const { return pending_; }

signals:
    void rowReady(const zelkor::RunSummary& row);

private:
    void work();
    void deliver(const RunSummary& row);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::vector<RunRequest>> batches_;
    bool stopping_ = false;
    int pending_ = 0;  // the window's thread only
    std::thread thread_;
};

}  // namespace zelkor
