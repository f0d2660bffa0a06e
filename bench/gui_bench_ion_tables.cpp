// The per-ion tables of the data page over 1,000,000 ions, driven offscreen:
// from the timer's expiry to the painted grid for the position table (six
// columns), the angle table (six columns) and the relativistic table (every
// column), and Select All + Copy of the full position table.
#include "bench_data.hpp"
#include "gui_bench_support.hpp"
#include "particles/ui/unit_rows_window.hpp"
#include "relativity/ui/relativistic_window.hpp"
#include "state/app_state.hpp"
#include "widgets/edit_commands.hpp"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace {

struct Window : zelkor::bench::BenchWindow {
    Window() : BenchWindow(1'000'000) {}
    void counters(benchmark::State& state) {
        state.counters["RSS_MB"] = zelkor::bench::ResidentMegabytes();
        state.counters["setStorage_MB"] =
            static_cast<double>(main.set().records.capacity() * sizeof(zelkor::ParticleRecord)) / 1e6;
    }
};

Window& TheWindow() {
    static Window window;
    return window;
}

void RunTable(benchmark::State& state, const char* windowName, const char* selectAll, const char* calculation) {
    Window& window = TheWindow();
    auto& table = window.child<zelkor::UnitRowsWindow>(windowName);
    window.click(selectAll);
    for (auto _ : state) {
        state.PauseTiming();
        window.click(calculation);
        state.ResumeTiming();
        table.timerFired();
        window.grid().viewport()->repaint();
    }
    window.counters(state);
}

void BM_PositionTable(benchmark::State& state) { RunTable(state, "TPositions", "btnPosSelAll", "btnPosOK"); }
BENCHMARK(BM_PositionTable)->Unit(benchmark::kMillisecond);

void BM_AngleTable(benchmark::State& state) { RunTable(state, "TAngles", "btnAngSelAll", "btnAngCalc"); }
BENCHMARK(BM_AngleTable)->Unit(benchmark::kMillisecond);

void BM_RelativisticTable(benchmark::State& state) {
    Window& window = TheWindow();
    auto& relativistic = window.child<zelkor::RelativisticWindow>("TRelPar");
    window.child<QLineEdit>("lbeditA").setText("12");
    window.child<QLineEdit>("lbeditamu").setText("11.99670852");
    window.click("btnSelAll");
    window.child<QLineEdit>("lbeditn").setText("6");
    for (auto _ : state) {
        state.PauseTiming();
        window.click("btnCalc");
        state.ResumeTiming();
        relativistic.timerFired();
        window.grid().viewport()->repaint();
    }
    window.counters(state);
}
BENCHMARK(BM_RelativisticTable)->Unit(benchmark::kMillisecond);

void BM_PositionTableSelectAllAndCopy(benchmark::State& state) {
    Window& window = TheWindow();
    window.click("btnPosSelAll");
    window.click("btnPosOK");
    window.child<zelkor::UnitRowsWindow>("TPositions").timerFired();
    for (auto _ : state) {
        window.main.services().edit.SelectAllClick();
        window.main.services().edit.CopyClick();
        QCoreApplication::processEvents();
    }
    state.counters["clipboard_MB"] = static_cast<double>(QApplication::clipboard()->text().size()) / 1e6;
    window.counters(state);
}
BENCHMARK(BM_PositionTableSelectAllAndCopy)->Unit(benchmark::kMillisecond);

}  // namespace
