// The beam-optics passes on 1,000,000 ions: the sixteen sigma-matrix entries
// (target 0.15 s), and the transform listing's values plus the transformed
// file (target 0.5 s together).
#include "bench_data.hpp"
#include "state/app_state.hpp"
#include "optics/sigma_matrix.hpp"
#include "optics/transform.hpp"
#include "optics/transformed_file.hpp"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>

namespace {

constexpr int kIons = 1'000'000;

const zelkor::ParticleSet& MillionIons() {
    static const zelkor::ParticleSet set = zelkor::bench::MakeBenchSet(kIons);
    return set;
}

zelkor::AppState DriftState() {
    zelkor::AppState state;
    state.sourceKind = zelkor::SourceKind::TransmitTxt;
    state.headerLine = "====== TRIM Calc.=  C(20 MeV) ==> Layer 1( 11.2 um) ==========================\n";
    state.atomZ = 6;
    state.transferMatrix[0][1] = 1.5;
    state.transferMatrix[2][3] = 1.5;
    state.transferMatrix[1][0] = -0.2;
    return state;
}

void BM_SigmaMatrix(benchmark::State& state) {
    const zelkor::ParticleSet& set = MillionIons();
    for (auto _ : state) {
        const zelkor::SigmaMatrix m = zelkor::ComputeSigmaMatrix(set, zelkor::SourceKind::TransmitTxt);
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK(BM_SigmaMatrix)->Unit(benchmark::kMillisecond);

void BM_TransformListingValues(benchmark::State& state) {
    const zelkor::ParticleSet& set = MillionIons();
    const zelkor::AppState app = DriftState();
    for (auto _ : state) {
        double sum = 0.0;
        for (int i = 1; i <= set.count; ++i) {
            const zelkor::TransformRow row = zelkor::TransformOf(set.record(i), false, app.transferMatrix);
            sum += row.after.y + row.after.yp + row.after.z + row.after.zp;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_TransformListingValues)->Unit(benchmark::kMillisecond);

void BM_TransformedFile(benchmark::State& state) {
    const zelkor::ParticleSet& set = MillionIons();
    const zelkor::AppState app = DriftState();
    const auto path = std::filesystem::temp_directory_path() / "zelkor-bench-transformed.txt";
    for (auto _ : state) {
        if (zelkor::SaveTransformedFile(path, set, app)) throw std::runtime_error("cannot write the transformed file");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_TransformedFile)->Unit(benchmark::kMillisecond);

}  // namespace
