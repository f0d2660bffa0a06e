// The whole load of a 1,000,000-ion TRANSMIT.TXT-style file (check, count,
// parse), as File > Open runs it.
#include "bench_data.hpp"
#include "state/load_file.hpp"
#include "data/particle_reader.hpp"
#include "io/write_transmit_txt.hpp"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace {

const std::filesystem::path& MillionIonFile() {
    static const std::filesystem::path path = [] {
        const auto file = std::filesystem::temp_directory_path() / "zelkor-bench-load-1M.txt";
        const zelkor::ParticleSet set = zelkor::bench::MakeBenchSet(1'000'000);
        const std::string line10 = "====== TRIM Calc.=  C(20 MeV) ==> Layer 1( 11.2 um) ==========================\n";
        if (zelkor::WriteTransmitTxt(file, set, line10, 6, 1, 2, "Cannot open a file!"))
            throw std::runtime_error("cannot write the benchmark file");
        return file;
    }();
    return path;
}

void BM_LoadTransmitTxt(benchmark::State& state) {
    const auto& file = MillionIonFile();
    for (auto _ : state) {
        zelkor::AppState app;
        zelkor::ParticleSet set;
        const auto report = zelkor::LoadParticleFile(zelkor::SourceKind::TransmitTxt, file, app, set);
        if (set.count != 1'000'000 || !report.messages.empty()) state.SkipWithError("load did not read every ion");
        benchmark::DoNotOptimize(set.records.data());
    }
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["maxRSS_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["setStorage_MB"] = 1e6 * sizeof(zelkor::ParticleRecord) / 1e6;
}
BENCHMARK(BM_LoadTransmitTxt)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The count pass alone: the floor a line-based reader cannot go below.
void BM_CountTransmitTxtLines(benchmark::State& state) {
    const auto& file = MillionIonFile();
    for (auto _ : state) benchmark::DoNotOptimize(zelkor::ReaderFor(zelkor::SourceKind::TransmitTxt).count(file, zelkor::NoProgress()));
}
BENCHMARK(BM_CountTransmitTxtLines)->Unit(benchmark::kMillisecond);

} // namespace
