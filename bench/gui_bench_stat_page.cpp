// The energy statistics page driven offscreen over 1,000,000 ions, from the
// click to the result shown: "Basic Analysis", "Filter Spectrum", "Default",
// "Data" with 101 and 1001 intervals, and "Graph" with 1001 bars.
#include "gui_bench_support.hpp"

#include <benchmark/benchmark.h>

#include <QLineEdit>

namespace {

struct Page : zelkor::bench::BenchWindow {
    Page() : BenchWindow(1'000'000) { showPage(1); }
    QLineEdit& edit(const char* name) { return child<QLineEdit>(name); }
};

Page& Shared() {
    static Page page;
    return page;
}

void BM_BasicAnalysis(benchmark::State& state) {
    Page& page = Shared();
    for (auto _ : state) {
        page.click("btnBasAnalysE");
        page.finish();
    }
}

void BM_FilterSpectrum(benchmark::State& state) {
    Page& page = Shared();
    page.click("radbtnFXsigmaE");
    page.edit("editSpecFiltE").setText("2");
    for (auto _ : state) {
        page.click("btnSpecFiltE");
        page.finish();
    }
    page.click("btnCancelEnA");
}

void BM_Default(benchmark::State& state) {
    Page& page = Shared();
    for (auto _ : state) {
        page.click("btnDefaultE");
        page.finish();
    }
}

// Data or Graph with the default width divided so that about `intervals` intervals result.
void RunHistogram(benchmark::State& state, const char* button, double divisor) {
    Page& page = Shared();
    page.click("btnDefaultE");
    const double width = page.edit("lbeditRanofIntE").text().toDouble() / divisor;
    page.edit("lbeditRanofIntE").setText(QString::number(width, 'E', 6));
    for (auto _ : state) {
        page.click(button);
        page.finish();
    }
}

void BM_Data101(benchmark::State& state) { RunHistogram(state, "btnDataE", 1.0); }
void BM_Data1001(benchmark::State& state) { RunHistogram(state, "btnDataE", 9.9); }
void BM_Graph1001(benchmark::State& state) { RunHistogram(state, "btnGraphE", 9.9); }

BENCHMARK(BM_BasicAnalysis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterSpectrum)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Default)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Data101)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Data1001)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Graph1001)->Unit(benchmark::kMillisecond);

}  // namespace
