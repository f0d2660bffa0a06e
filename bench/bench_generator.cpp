// Generating a 1,000,000-ion TRIM.DAT beam (target 1.5 s): Gaussian positions
// and slopes in tilted ellipses, energy spread, dispersion, an angle of incidence.
#include "bench_data.hpp"
#include "generator/generate_trim_dat.hpp"
#include "generator/validate_generator.hpp"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>

namespace {

zelkor::GeneratorParams MillionIonBeam() {
    return std::get<zelkor::GeneratorParams>(zelkor::ValidateGenerator(zelkor::bench::MillionIonBeamFields(), {}));
}

void BM_GenerateTrimDat(benchmark::State& state) {
    const zelkor::GeneratorParams params = MillionIonBeam();
    const auto path = std::filesystem::temp_directory_path() / "zelkor-bench-generated.dat";
    for (auto _ : state) {
        zelkor::BeamRandom random;
        const zelkor::GenerationResult result = zelkor::GenerateTrimDat(path, params, random);
        if (!result.messages.empty()) throw std::runtime_error(result.messages.front().text);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_GenerateTrimDat)->Unit(benchmark::kMillisecond);

}  // namespace
