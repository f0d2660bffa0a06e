// The energy statistics page driven offscreen over 1,000,000 ions, from the
// click to the result shown: "Basic Analysis", "Filter Spectrum", "Default",
// "Data" with 101 and 1001 intervals, and "Graph" with 1001 bars.
#include "app/compose.hpp"
#include "app/main_window.hpp"
#include "widgets/user_dialogs.hpp"
#include "bench_data.hpp"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>

#include <cstdio>

namespace {

class AnswerOk : public zelkor::UserDialogs {
public:
    void message(const zelkor::Message& message) override { std::fprintf(stderr, "%s\n", message.text.c_str()); }
    bool confirm(const std::string&, const std::string&) override { return true; }
    std::optional<std::filesystem::path> openFile(const zelkor::FileDialogSetup&) override { return std::nullopt; }
    std::optional<std::filesystem::path> saveFile(const zelkor::FileDialogSetup&) override { return std::nullopt; }
};

struct Page {
    AnswerOk dialogs;
    zelkor::MainWindow main{dialogs};
    Page() {
        zelkor::Compose(main);
        main.set() = zelkor::bench::MakeBenchSet(1'000'000);
        main.state().sourceKind = zelkor::SourceKind::TransmitTxt;
        main.show();
        main.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);
        QCoreApplication::processEvents();
    }
    void click(const char* name) { main.findChild<QAbstractButton*>(name)->click(); }
    QLineEdit& edit(const char* name) { return *main.findChild<QLineEdit*>(name); }
    void finish() { QCoreApplication::processEvents(); }
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

} // namespace
