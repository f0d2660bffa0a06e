// "Generate" of the generator window over 1,000,000 ions (target 1.5 s from
// the timer to the file closed; bench_generator times the core's own
// generation of the same beam), and how often the busy panel's bar repaints
// meanwhile (target: at least every 100 ms).
#include "bench_data.hpp"
#include "gui_bench_support.hpp"
#include "generator/ui/generator_edits.hpp"
#include "generator/ui/generator_window.hpp"
#include "generator/ui/timed_generation.hpp"
#include "widgets/busy_panel.hpp"

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include <time.h>

namespace {

// A million lines of about 118 bytes each.
constexpr std::uintmax_t kMillionIonBytes = 115'000'000;

const std::filesystem::path& OutFile() {
    static const auto path = std::filesystem::temp_directory_path() / "zelkor-bench-generator-window.dat";
    return path;
}

// Milliseconds of processor time this thread has used: on a machine shared
// with other work the wall clock measures the others as well.
double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Times between the bar's paint events during one pass, by the wall clock
// and by the thread's processor time.
class PaintGaps : public QObject {
public:
    void begin() {
        wall_.start();
        cpuStart_ = ThreadCpuMs();
        lastWall_ = lastCpu_ = 0;
        paints_ = 0;
        active_ = true;
    }
    void end() {
        mark();
        active_ = false;
    }
    double longestWallMs() const { return longestWall_; }
    double longestCpuMs() const { return longestCpu_; }
    int paints() const { return paints_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (active_ && event->type() == QEvent::Paint) {
            mark();
            ++paints_;
        }
        return false;
    }

private:
    void mark() {
        const double wall = static_cast<double>(wall_.nsecsElapsed()) / 1e6;
        const double cpu = ThreadCpuMs() - cpuStart_;
        longestWall_ = std::max(longestWall_, wall - lastWall_);
        longestCpu_ = std::max(longestCpu_, cpu - lastCpu_);
        lastWall_ = wall;
        lastCpu_ = cpu;
    }

    QElapsedTimer wall_;
    double cpuStart_ = 0, lastWall_ = 0, lastCpu_ = 0, longestWall_ = 0, longestCpu_ = 0;
    int paints_ = 0;
    bool active_ = false;
};

void Fill(zelkor::GeneratorWindow& g, const zelkor::GeneratorFields& f) {
    using zelkor::bench::Child;
    Child<QComboBox>(g, "cmboxDesOfEx").setEditText(QString::fromStdString(f.description));
    for (const auto& column : zelkor::kGeneratorColumns)
        for (const zelkor::GeneratorEdit& e : column)
            Child<QLineEdit>(g, e.name).setText(QString::fromStdString(f.*e.field));
    Child<QComboBox>(g, "cmboxSignAY").setCurrentIndex(0);
    Child<QComboBox>(g, "cmboxSignAZ").setCurrentIndex(1);
}

void BM_WindowGenerateFromTimerToFileClosed(benchmark::State& state) {
    zelkor::bench::BenchWindow window;
    window.dialogs.saveAnswer = OutFile();
    zelkor::MainWindow& main = window.main;
    auto& generator = zelkor::bench::Child<zelkor::GeneratorWindow>(main);
    auto& bar = window.child<QProgressBar>("prgsbarPlsWait");
    PaintGaps gaps;
    bar.installEventFilter(&gaps);
    int paints = 0;
    for (auto _ : state) {
        state.PauseTiming();
        generator.prepare();
        generator.show();
        Fill(generator, zelkor::bench::MillionIonBeamFields());
        generator.btnGenerateClick();
        if (!generator.generation().timer().isActive()) state.SkipWithError("Generate did not start the timer");
        gaps.begin();
        state.ResumeTiming();
        generator.generation().timerGenerateTimer();
        state.PauseTiming();
        if (std::filesystem::file_size(OutFile()) < kMillionIonBytes) state.SkipWithError("the file is not complete");
        gaps.end();
        paints += gaps.paints();
        state.ResumeTiming();
    }
    state.counters["longest_repaint_gap_wall_ms"] = gaps.longestWallMs();
    state.counters["longest_repaint_gap_cpu_ms"] = gaps.longestCpuMs();
    state.counters["bar_paints_per_pass"] =
        benchmark::Counter(static_cast<double>(paints), benchmark::Counter::kAvgIterations);
    std::filesystem::remove(OutFile());
}
BENCHMARK(BM_WindowGenerateFromTimerToFileClosed)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
