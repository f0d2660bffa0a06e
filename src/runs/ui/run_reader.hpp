#pragma once

#include "runs/summarize_runs.hpp"

#include <QObject>

#include <memory>
#include <thread>
#include <vector>

namespace zelkor {

// Summarises files on a thread of its own, a batch of one file per core
// after another as they are asked for, and hands each row to the window's
// thread through a queued signal. The set the main window holds is never
// touched. Destroying the reader drops the batches not yet started and waits
// a while for the one being read; no row arrives after it is gone. A file
// that never ends (a pipe nobody writes to) is left to its thread, so that
// closing the program never hangs on it.
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
    struct Shared;
    static void Work(const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> shared_;
    int pending_ = 0;  // the window's thread only
    std::thread thread_;
};

}  // namespace zelkor
