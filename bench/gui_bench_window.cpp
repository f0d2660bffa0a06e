// The main window driven offscreen over a 1,000,000-ion TRANSMIT.TXT file:
// File > Open to "Number of Particles" (beside the core's own load of the
// same file), Preview, Select All + Copy of all eight columns, and the
// resident memory after Preview.
#include "bench_data.hpp"
#include "gui_bench_support.hpp"
#include "state/load_file.hpp"
#include "widgets/edit_commands.hpp"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>

namespace {

constexpr int kIons = 1'000'000;

const std::filesystem::path& MillionIonFile() {
    static const std::filesystem::path path = zelkor::bench::TransmitFile(kIons, "zelkor-bench-window-1M.txt");
    return path;
}

using zelkor::bench::ResidentMegabytes;
using Window = zelkor::bench::BenchWindow;

Window& TheWindow() {
    static Window window;
    window.dialogs.openAnswer = MillionIonFile();
    return window;
}

void BM_CoreLoad(benchmark::State& state) {
    for (auto _ : state) {
        zelkor::AppState app;
        zelkor::ParticleSet set;
        zelkor::LoadParticleFile(zelkor::SourceKind::TransmitTxt, MillionIonFile(), app, set);
        if (set.count != kIons) state.SkipWithError("the core did not read every ion");
    }
}
BENCHMARK(BM_CoreLoad)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_FileOpenToNumberOfParticles(benchmark::State& state) {
    Window& window = TheWindow();
    for (auto _ : state) {
        window.main.FileOpen();
        QCoreApplication::processEvents();
        if (window.child<QLabel>("labelNbOfPart").text() != "1000000")
            state.SkipWithError("the window does not show every ion");
    }
}
BENCHMARK(BM_FileOpenToNumberOfParticles)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_Preview(benchmark::State& state) {
    Window& window = TheWindow();
    if (window.main.set().count != kIons) window.main.FileOpen();
    for (auto _ : state) {
        window.dataPage().btnPreviewClick();
        window.grid().viewport()->repaint();
    }
    state.counters["RSS_MB_after_preview"] = ResidentMegabytes();
    state.counters["setStorage_MB"] =
        static_cast<double>(window.main.set().records.capacity() * sizeof(zelkor::ParticleRecord)) / 1e6;
}
BENCHMARK(BM_Preview)->Unit(benchmark::kMillisecond);

void BM_SelectAllAndCopy(benchmark::State& state) {
    Window& window = TheWindow();
    if (window.main.set().count != kIons) window.main.FileOpen();
    window.dataPage().btnPreviewClick();
    for (auto _ : state) {
        window.main.services().edit.SelectAllClick();
        window.main.services().edit.CopyClick();
        QCoreApplication::processEvents();
    }
    state.counters["clipboard_MB"] = static_cast<double>(QApplication::clipboard()->text().size()) / 1e6;
    state.counters["RSS_MB_after_copy"] = ResidentMegabytes();
}
BENCHMARK(BM_SelectAllAndCopy)->Unit(benchmark::kMillisecond);

}  // namespace
