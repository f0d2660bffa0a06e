// The main window driven offscreen over a TRANSMIT.TXT file of 1,000,000 and
// of 10,000,000 ions (the argument): File > Open to "Number of Particles"
// (beside the core's own load of the same file), Preview, Select All + Copy
// of all eight columns, and the resident memory after Preview and Copy.
#include "bench_data.hpp"
#include "gui_bench_support.hpp"
#include "state/load_file.hpp"
#include "widgets/edit_commands.hpp"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>

namespace {

using zelkor::bench::ResidentMegabytes;
using Window = zelkor::bench::BenchWindow;

// Never destroyed: a window must not outlive the application, which ends first.
Window& TheWindow() {
    static Window& window = *new Window;
    return window;
}

int Ions(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

// The window with the file of that many ions loaded.
Window& LoadedWindow(int ions) {
    Window& window = TheWindow();
    window.dialogs.openAnswer = zelkor::bench::TransmitFileOf(ions);
    if (window.main.set().count != ions) window.main.FileOpen();
    return window;
}

void IonCounts(benchmark::internal::Benchmark* b) {
    b->ArgName("ions")->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
}

void BM_CoreLoad(benchmark::State& state) {
    const auto file = zelkor::bench::TransmitFileOf(Ions(state));
    for (auto _ : state) {
        zelkor::AppState app;
        zelkor::ParticleSet set;
        zelkor::LoadParticleFile(zelkor::SourceKind::TransmitTxt, file, app, set);
        if (set.count != Ions(state)) state.SkipWithError("the core did not read every ion");
    }
}
BENCHMARK(BM_CoreLoad)->Apply(IonCounts)->MinTime(2.0);

// The first iteration is the first load after start: its storage is fresh
// from the system, whose pages the kernel clears on first touch.
void BM_FileOpenToNumberOfParticles(benchmark::State& state) {
    Window& window = TheWindow();
    window.dialogs.openAnswer = zelkor::bench::TransmitFileOf(Ions(state));
    const QString expected = QString::number(Ions(state));
    for (auto _ : state) {
        window.main.FileOpen();
        QCoreApplication::processEvents();
        if (window.child<QLabel>("labelNbOfPart").text() != expected)
            state.SkipWithError("the window does not show every ion");
    }
}
BENCHMARK(BM_FileOpenToNumberOfParticles)->Apply(IonCounts)->MinTime(2.0);

void BM_Preview(benchmark::State& state) {
    Window& window = LoadedWindow(Ions(state));
    for (auto _ : state) {
        window.dataPage().btnPreviewClick();
        window.grid().viewport()->repaint();
    }
    state.counters["RSS_MB_after_preview"] = ResidentMegabytes();
    state.counters["setStorage_MB"] =
        static_cast<double>(window.main.set().records.capacity() * sizeof(zelkor::ParticleRecord)) / 1e6;
}
BENCHMARK(BM_Preview)->Apply(IonCounts);

void BM_SelectAllAndCopy(benchmark::State& state) {
    Window& window = LoadedWindow(Ions(state));
    window.dataPage().btnPreviewClick();
    QApplication::clipboard()->clear();
    const double before = ResidentMegabytes();
    for (auto _ : state) {
        window.main.services().edit.SelectAllClick();
        window.main.services().edit.CopyClick();
        QCoreApplication::processEvents();
    }
    // Measured before anyone asks the clipboard for a QString, which doubles the text.
    state.counters["MB_above_preview"] = ResidentMegabytes() - before;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    state.counters["clipboard_MB"] = data ? static_cast<double>(data->data("text/plain").size()) / 1e6 : 0.0;
    QApplication::clipboard()->clear();
}
BENCHMARK(BM_SelectAllAndCopy)->Apply(IonCounts);

}  // namespace
