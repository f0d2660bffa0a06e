// The per-ion tables of the data page over 1,000,000 ions, driven offscreen:
// from the timer's expiry to the painted grid for the position table (six
// columns), the angle table (six columns) and the relativistic table (every
// column), and Select All + Copy of the full position table.
#include "app/compose.hpp"
#include "app/main_window.hpp"
#include "bench_data.hpp"
#include "particles/ui/data_page.hpp"
#include "particles/ui/unit_rows_window.hpp"
#include "relativity/ui/relativistic_window.hpp"
#include "state/app_state.hpp"
#include "widgets/edit_commands.hpp"
#include "widgets/user_dialogs.hpp"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTableView>

#include <cstdio>
#include <fstream>

namespace {

class NoDialogs : public zelkor::UserDialogs {
public:
    void message(const zelkor::Message& message) override { std::fprintf(stderr, "%s\n", message.text.c_str()); }
    bool confirm(const std::string&, const std::string&) override { return true; }
    std::optional<std::filesystem::path> openFile(const zelkor::FileDialogSetup&) override { return std::nullopt; }
    std::optional<std::filesystem::path> saveFile(const zelkor::FileDialogSetup&) override { return std::nullopt; }
};

double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096.0 / 1e6;
}

struct Window {
    NoDialogs dialogs;
    zelkor::MainWindow main{dialogs};
    Window() {
        zelkor::Compose(main);
        main.show();
        main.set() = zelkor::bench::MakeBenchSet(1'000'000);
        main.state().sourceKind = zelkor::SourceKind::TransmitTxt;
        QCoreApplication::processEvents();
    }
    template <class T>
    T& child(const char* name) {
        return *main.findChild<T*>(name);
    }
    void click(const char* name) { child<QAbstractButton>(name).click(); }
    QTableView& grid() { return main.findChild<zelkor::DataPage*>()->grid(); }
    void counters(benchmark::State& state) {
        state.counters["RSS_MB"] = ResidentMegabytes();
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

} // namespace
