// Generating a 1,000,000-ion TRIM.DAT beam (target 1.5 s): Gaussian positions
// and slopes in tilted ellipses, energy spread, dispersion, an angle of incidence.
#include "generator/generate_trim_dat.hpp"
#include "generator/validate_generator.hpp"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>

namespace {

zelkor::GeneratorParams MillionIonBeam() {
    zelkor::GeneratorFields f;
    f.description = "6 C  ions into Si 10 um,  Various Energies, Positions and Angles";
    f.particles = "1000000";
    f.atomicNumber = "6";
    f.amu = "11.99670852";
    f.angle = "7";
    f.energy = "20000";
    f.deltaE = "1";
    f.nSigma = "3";
    f.yTotal = "1";
    f.zTotal = "2";
    f.yRms = "0.4";
    f.zRms = "0.8";
    f.dydxTotal = "2";
    f.dzdxTotal = "3";
    f.dydxRms = "1";
    f.dzdxRms = "1.5";
    f.epsY = "1.5";
    f.epsZ = "4";
    f.signY = zelkor::AlphaSign::Plus;
    f.signZ = zelkor::AlphaSign::Minus;
    f.dispersionY = "2";
    f.dispersionZ = "0";
    f.dispersionSlopeY = "0.5";
    f.dispersionSlopeZ = "0";
    return std::get<zelkor::GeneratorParams>(zelkor::ValidateGenerator(f, {}));
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

} // namespace
