// The "Emittance" and "Transform" pages driven offscreen over 1,000,000 ions
// (and "Display" also over 10,000,000),
// from the click to the result shown: "Display" of a phase-space plot, a
// repaint of that plot after a zoom and a pan, the sigma matrix with the beam
// parameters, and "Calculate" of the transform listing.
#include "app/main_window.hpp"
#include "bench_data.hpp"
#include "gui_bench_support.hpp"
#include "optics/ui/emittance_chart.hpp"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

using zelkor::bench::ResidentMegabytes;

struct Pages : zelkor::bench::BenchWindow {
    double residentWithSet = 0.0;
    explicit Pages(int ions) : BenchWindow(ions) { residentWithSet = ResidentMegabytes(); }
    void showTab(zelkor::MainPage page) { showPage(static_cast<int>(page)); }
    zelkor::EmittanceChart& chart() { return child<zelkor::EmittanceChart>("graphI"); }
};

// One window per number of ions, the last one asked for alone kept.
Pages& Shared(int ions = 1'000'000) {
    // Never destroyed: a window must not outlive the application, which ends first.
    static auto& windows = *new std::map<int, std::unique_ptr<Pages>>;
    if (!windows.count(ions)) {
        windows.clear();
        windows[ions] = std::make_unique<Pages>(ions);
    }
    return *windows[ions];
}

void BM_DisplayPhaseSpace(benchmark::State& state) {
    Pages& pages = Shared(static_cast<int>(state.range(0)));
    pages.showTab(zelkor::MainPage::Emitt);
    pages.click("rbtnHoriz");
    for (auto _ : state) {
        pages.click("btnEmitDisp");
        pages.finish();
    }
    state.counters["MB_above_set"] = ResidentMegabytes() - pages.residentWithSet;
}

void BM_RepaintZoomAndPan(benchmark::State& state) {
    Pages& pages = Shared();
    pages.showTab(zelkor::MainPage::Emitt);
    pages.click("rbtnHoriz");
    pages.click("btnEmitDisp");
    pages.finish();
    zelkor::EmittanceChart& chart = pages.chart();
    bool in = true;
    for (auto _ : state) {
        chart.xAxis->scaleRange(in ? 0.8 : 1.25);
        chart.yAxis->moveRange(in ? 0.01 : -0.01);
        in = !in;
        chart.replot(QCustomPlot::rpImmediateRefresh);
    }
}

void BM_SigmaMatrix(benchmark::State& state) {
    Pages& pages = Shared();
    pages.showTab(zelkor::MainPage::Emitt);
    pages.click("rbtnSigMatrix");
    for (auto _ : state) {
        pages.click("btnEmitDisp");
        pages.finish();
    }
    pages.click("rbtnHoriz");
}

void BM_CalculateTransform(benchmark::State& state) {
    Pages& pages = Shared();
    pages.showTab(zelkor::MainPage::Trans);
    for (auto _ : state) {
        pages.click("btnCalcTrans");
        pages.finish();
    }
}

}  // namespace

BENCHMARK(BM_DisplayPhaseSpace)
    ->ArgName("ions")
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_RepaintZoomAndPan)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_SigmaMatrix)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_CalculateTransform)->Unit(benchmark::kMillisecond)->Iterations(5);
