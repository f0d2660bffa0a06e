// The "Emittance" and "Transform" pages driven offscreen over 1,000,000 ions,
// from the click to the result shown: "Display" of a phase-space plot, a
// repaint of that plot after a zoom and a pan, the sigma matrix with the beam
// parameters, and "Calculate" of the transform listing.
#include "app/compose.hpp"
#include "app/main_window.hpp"
#include "bench_data.hpp"
#include "optics/ui/emittance_chart.hpp"
#include "widgets/user_dialogs.hpp"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTabWidget>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

class AnswerOk : public zelkor::UserDialogs {
public:
    void message(const zelkor::Message& message) override { std::fprintf(stderr, "%s\n", message.text.c_str()); }
    bool confirm(const std::string&, const std::string&) override { return true; }
    std::optional<std::filesystem::path> openFile(const zelkor::FileDialogSetup&) override { return std::nullopt; }
    std::optional<std::filesystem::path> saveFile(const zelkor::FileDialogSetup&) override { return std::nullopt; }
};

// Resident memory in MB, from the kernel's account of this process.
double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0.0;
}

struct Pages {
    AnswerOk dialogs;
    zelkor::MainWindow main{dialogs};
    double residentWithSet = 0.0;
    Pages() {
        zelkor::Compose(main);
        main.set() = zelkor::bench::MakeBenchSet(1'000'000);
        main.state().sourceKind = zelkor::SourceKind::TransmitTxt;
        main.resize(790, 570);
        main.show();
        QCoreApplication::processEvents();
        residentWithSet = ResidentMegabytes();
    }
    void showTab(zelkor::MainPage page) {
        main.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(static_cast<int>(page));
        QCoreApplication::processEvents();
    }
    void click(const char* name) { main.findChild<QAbstractButton*>(name)->click(); }
    zelkor::EmittanceChart& chart() { return *main.findChild<zelkor::EmittanceChart*>("graphI"); }
    void finish() { QCoreApplication::processEvents(); }
};

Pages& Shared() {
    static Pages pages;
    return pages;
}

void BM_DisplayPhaseSpace(benchmark::State& state) {
    Pages& pages = Shared();
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

} // namespace

BENCHMARK(BM_DisplayPhaseSpace)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_RepaintZoomAndPan)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_SigmaMatrix)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_CalculateTransform)->Unit(benchmark::kMillisecond)->Iterations(5);
