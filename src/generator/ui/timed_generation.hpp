#pragma once

#include "generator/beam_random.hpp"
#include "generator/generator_fields.hpp"

#include <QObject>

#include <filesystem>
#include <optional>

class QTimer;

namespace zelkor {

class BusyPanel;
class UserDialogs;

// The generation that "Generate" leaves behind when its window has closed:
// the busy panel is shown at once, and 100 ms later the file is written with
// the run's one random source, which every generation continues.
class TimedGeneration : public QObject {
    Q_OBJECT
public:
    TimedGeneration(BusyPanel& busy, UserDialogs& dialogs, QObject* parent);

    // Busy panel shown and painted, the one-shot timer started.
    void start(GeneratorParams params, std::filesystem::path path);

    QTimer& timer() { return *timer_; }
    // The run's source; tests may position it.
    BeamRandom& random() { return random_; }

public slots:
    // GenerateTrimDat: the file written, the busy panel hidden, the messages shown.
    void timerGenerateTimer();

private:
    struct Job {
        GeneratorParams params;
        std::filesystem::path path;
    };

    BusyPanel& busy_;
    UserDialogs& dialogs_;
    QTimer* timer_;
    BeamRandom random_;
    std::optional<Job> job_;
};

}  // namespace zelkor
