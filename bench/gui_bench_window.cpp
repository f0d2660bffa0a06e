// The main window driven offscreen over a 1,000,000-ion TRANSMIT.TXT file:
// File > Open to "Number of Particles" (beside the core's own load of the
// same file), Preview, Select All + Copy of all eight columns, and the
// resident memory after Preview.
#include "particles/ui/data_page.hpp"
#include "widgets/edit_commands.hpp"
#include "app/compose.hpp"
#include "app/main_window.hpp"
#include "widgets/user_dialogs.hpp"
#include "bench_data.hpp"
#include "state/load_file.hpp"
#include "io/write_transmit_txt.hpp"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTableView>

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace {

constexpr int kIons = 1'000'000;

const std::filesystem::path& MillionIonFile() {
    static const std::filesystem::path path = [] {
        const auto file = std::filesystem::temp_directory_path() / "zelkor-bench-window-1M.txt";
        const zelkor::ParticleSet set = zelkor::bench::MakeBenchSet(kIons);
        const std::string line10 = "====== TRIM Calc.=  C(20 MeV) ==> Layer 1( 11.2 um) ==========================\n";
        if (zelkor::WriteTransmitTxt(file, set, line10, 6, 1, 2, "Cannot open a file!"))
            throw std::runtime_error("cannot write the benchmark file");
        return file;
    }();
    return path;
}

class AnswerWithFile : public zelkor::UserDialogs {
public:
    void message(const zelkor::Message& message) override { std::fprintf(stderr, "%s\n", message.text.c_str()); }
    bool confirm(const std::string&, const std::string&) override { return true; }
    std::optional<std::filesystem::path> openFile(const zelkor::FileDialogSetup&) override { return MillionIonFile(); }
    std::optional<std::filesystem::path> saveFile(const zelkor::FileDialogSetup&) override { return std::nullopt; }
};

double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096.0 / 1e6;
}

struct Window {
    AnswerWithFile dialogs;
    zelkor::MainWindow main{dialogs};
    Window() {
        zelkor::Compose(main);
        main.show();
        QCoreApplication::processEvents();
    }
    zelkor::DataPage& dataPage() { return *main.findChild<zelkor::DataPage*>(); }
    QTableView& grid() { return dataPage().grid(); }
};

Window& TheWindow() {
    static Window window;
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
        if (window.main.findChild<QLabel*>("labelNbOfPart")->text() != "1000000")
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

} // namespace
