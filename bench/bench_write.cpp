#include "bench_data.hpp"

#include "io/write_transmit_txt.hpp"
#include "io/write_trim_dat.hpp"
#include "io/write_winagile_point.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using namespace zelkor;

constexpr int kIons = 1'000'000;

const ParticleSet& BenchSet() {
    static const ParticleSet set = bench::MakeBenchSet(kIons);
    return set;
}

std::filesystem::path Target(const char* name) { return std::filesystem::temp_directory_path() / name; }

template <typename Write>
void RunWrite(benchmark::State& state, const std::filesystem::path& target, Write&& write) {
    const ParticleSet& set = BenchSet();
    for (auto _ : state) {
        const auto message = write(target, set);
        if (message) state.SkipWithError(message->text.c_str());
    }
    std::error_code error;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(target, error)));
    state.counters["ions"] = kIons;
    std::filesystem::remove(target, error);
}

void BM_WriteTransmitTxt(benchmark::State& state) {
    RunWrite(state, Target("zelkor-bench-write.txt"), [](const auto& path, const ParticleSet& set) {
        return WriteTransmitTxt(path, set, "  He into Si\n", 2, 1, 2, kCannotOpenText);
    });
}

void BM_WriteTrimDat(benchmark::State& state) {
    RunWrite(state, Target("zelkor-bench-write.dat"), [](const auto& path, const ParticleSet& set) {
        return WriteTrimDat(path, set, "=  He into Si\n", 2, 3, 2, std::nullopt, kCannotExportText);
    });
}

void BM_WriteWinAgilePoint(benchmark::State& state) {
    RunWrite(state, Target("zelkor-bench-write.pnt"), [](const auto& path, const ParticleSet& set) {
        return WriteWinAgilePoint(path, set, PointFileSource::TransmitTxt, kCannotExportText);
    });
}

BENCHMARK(BM_WriteTransmitTxt)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteTrimDat)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteWinAgilePoint)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
