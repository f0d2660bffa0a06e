// zelkor-batch summary of ten 1,000,000-ion TRANSMIT.TXT files against ten
// zelkor-batch info runs of one such file, side by side, each a process as a
// script starts it. The goal: the summary at most 1.2 times the info runs.
// The ten files are one file named ten times, read ten times as ten would be.

#include "bench_data.hpp"

#include <benchmark/benchmark.h>

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

void BM_TenInfoRuns(benchmark::State& state) {
    const std::string info = std::string("\"") + ZELKOR_BATCH_EXE + "\" info \"" + BenchFile() + "\"";
    for (auto _ : state)
        for (int i = 0; i < kFiles; ++i) Run(info);
}
BENCHMARK(BM_TenInfoRuns)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_SummaryOfTenFiles(benchmark::State& state) {
    std::string summary = std::string("\"") + ZELKOR_BATCH_EXE + "\" summary";
    for (int i = 0; i < kFiles; ++i) summary += " \"" + BenchFile() + "\"";
    for (auto _ : state) Run(summary);
}
BENCHMARK(BM_SummaryOfTenFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
