#include "generator/ui/timed_generation.hpp"

#include "generator/generate_trim_dat.hpp"
#include "widgets/busy_panel.hpp"
#include "widgets/user_dialogs.hpp"

#include <QTimer>

namespace zelkor {

TimedGeneration::TimedGeneration(BusyPanel& busy, UserDialogs& dialogs, QObject* parent)
    : QObject(parent), busy_(busy), dialogs_(dialogs), timer_(new QTimer(this)) {
    setObjectName("TimedGeneration");
    timer_->setObjectName("timerGenerate");
    timer_->setInterval(100);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &TimedGeneration::timerGenerateTimer);
}

void TimedGeneration::start(GeneratorParams params, std::filesystem::path path) {
    job_ = Job{std::move(params), std::move(path)};
    busy_.start();
    timer_->start();
}

void TimedGeneration::timerGenerateTimer() {
    timer_->stop();
    if (!job_) return;
    const Job job = std::move(*job_);
    job_.reset();
    const GenerationResult result = GenerateTrimDat(job.path, job.params, random_, busy_.progress());
    busy_.finish();
    for (const Message& message : result.messages) dialogs_.message(message);
}

}  // namespace zelkor
