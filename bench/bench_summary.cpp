// zelkor-batch summary of ten 1,000,000-ion TRANSMIT.TXT files against ten
// zelkor-batch info runs of one such file, side by side, each a process as a
// script starts it. The goal: the summary at most 1.2 times the info runs.
// The ten files are one file named ten times, read ten times as ten would be.

#include "bench_data.hpp"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

constexpr int kFiles = 10;

const std::string& BenchFile() {
    static const std::string file = zelkor::bench::TransmitFile(1'000'000, "zelkor-bench-load-1M.txt").string();
    return file;
}

void Run(const std::string& command) {
    if (std::system((command + " > /dev/null").c_str()) != 0) throw std::runtime_error("failed: " + command);
}

double Seconds(const std::string& command) {
    const auto start = std::chrono::steady_clock::now();
    Run(command);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Each iteration runs the ten info runs and the summary one after the other,
// so that both meet the same load of a shared machine; the time is the
// summary's, the counters give both and their ratio over all iterations.
void BM_SummaryBesideTenInfoRuns(benchmark::State& state) {
    const std::string exe = std::string("\"") + ZELKOR_BATCH_EXE + "\"";
    std::string summary = exe + " summary";
    for (int i = 0; i < kFiles; ++i) summary += " \"" + BenchFile() + "\"";
    const std::string info = exe + " info \"" + BenchFile() + "\"";
    double infoSeconds = 0.0, summarySeconds = 0.0;
    for (auto _ : state) {
        for (int i = 0; i < kFiles; ++i) infoSeconds += Seconds(info);
        const double seconds = Seconds(summary);
        summarySeconds += seconds;
        state.SetIterationTime(seconds);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["ten_info_ms"] = 1e3 * infoSeconds / n;
    state.counters["summary_ms"] = 1e3 * summarySeconds / n;
    state.counters["ratio"] = summarySeconds / infoSeconds;
}
BENCHMARK(BM_SummaryBesideTenInfoRuns)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

}  // namespace
