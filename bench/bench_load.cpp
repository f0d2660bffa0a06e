// The whole load of TRANSMIT.TXT-style files (check, count, parse), as File >
// Open runs it, beside one plain pass over the same bytes, in one run so that
// the figures share the machine's load.
#include "bench_data.hpp"
#include "state/load_file.hpp"
#include "data/parse_threads.hpp"
#include "data/particle_reader.hpp"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const std::filesystem::path& MillionIonFile() {
    static const std::filesystem::path path = zelkor::bench::TransmitFile(1'000'000, "zelkor-bench-load-1M.txt");
    return path;
}

// Resident memory at its peak since the last reset, in MB.
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }
double PeakMemoryMB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0.0;
}

void Load(benchmark::State& state, const std::filesystem::path& file, int ions) {
    zelkor::AppState app;
    zelkor::ParticleSet set;
    const auto report = zelkor::LoadParticleFile(zelkor::SourceKind::TransmitTxt, file, app, set);
    if (set.count != ions || !report.messages.empty()) state.SkipWithError("load did not read every ion");
    benchmark::DoNotOptimize(set.records.data());
}

// One `wc -l`-style pass: the file read in large blocks and its line ends counted.
void BM_OnePass(benchmark::State& state) {
    const auto& file = MillionIonFile();
    std::vector<char> block(std::size_t{1} << 20);
    for (auto _ : state) {
        const int fd = ::open(file.c_str(), O_RDONLY);
        std::int64_t lines = 0;
        for (ssize_t got; (got = ::read(fd, block.data(), block.size())) > 0;)
            for (const char* p = block.data();
                 (p = static_cast<const char*>(std::memchr(p, '\n', block.data() + got - p))); ++p)
                ++lines;
        ::close(fd);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_OnePass)->Unit(benchmark::kMillisecond)->UseRealTime();

// Arg 0: every line in turn on the calling thread; 1: shared over the machine's threads.
void BM_LoadTransmitTxt(benchmark::State& state) {
    const auto& file = MillionIonFile();
    const zelkor::ParseThreads threads = zelkor::DefaultParseThreads();
    zelkor::SetParseThreads(state.range(0) == 0 ? zelkor::ParseThreads{0, 0, std::size_t{1} << 20} : threads);
    for (auto _ : state) Load(state, file, 1'000'000);
    zelkor::SetParseThreads(threads);
    state.counters["threads"] = state.range(0) == 0 ? 1 : threads.threads;
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
}
BENCHMARK(BM_LoadTransmitTxt)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

// The count pass alone.
void BM_CountTransmitTxtLines(benchmark::State& state) {
    const auto& file = MillionIonFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(zelkor::ReaderFor(zelkor::SourceKind::TransmitTxt).count(file, zelkor::NoProgress()));
}
BENCHMARK(BM_CountTransmitTxtLines)->Unit(benchmark::kMillisecond)->UseRealTime();

// Ten million ions (1.2 GB): time and the peak memory beyond the set's storage.
void BM_LoadTenMillionIons(benchmark::State& state) {
    static const std::filesystem::path file = zelkor::bench::TransmitFile(10'000'000, "zelkor-bench-load-10M.txt");
    double overStorage = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        const double before = PeakMemoryMB();
        ResetPeakMemory();
        const double base = PeakMemoryMB();
        state.ResumeTiming();
        Load(state, file, 10'000'000);
        state.PauseTiming();
        overStorage =
            std::max(overStorage, PeakMemoryMB() - base - 10'000'001.0 * sizeof(zelkor::ParticleRecord) / 1048576.0);
        benchmark::DoNotOptimize(before);
        state.ResumeTiming();
    }
    state.counters["peakOverStorage_MB"] = overStorage;
}
BENCHMARK(BM_LoadTenMillionIons)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
