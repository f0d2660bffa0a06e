#include "bench_data.hpp"

#include "io/write_transmit_txt.hpp"

#include <cmath>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>

namespace zelkor::bench {

ParticleSet MakeBenchSet(int count) {
    ParticleSet set(count + 1);  // slot 0 and records 1..count
    set.count = count;
    set.lineCount = count;
    std::mt19937_64 random(20261209);
    std::normal_distribution<double> normal(0.0, 1.0);
    for (int i = 1; i <= count; ++i) {
        ParticleRecord& r = set.record(i);
        r.energy = 5.0e6 * (1.0 + 0.02 * normal(random));
        r.x = 1.128014e4;
        r.y = 1.0e3 * normal(random);
        r.z = 1.0e3 * normal(random);
        r.cos_y = 0.02 * normal(random);
        r.cos_z = 0.02 * normal(random);
        r.cos_x = std::sqrt(1.0 - r.cos_y * r.cos_y - r.cos_z * r.cos_z);
        r.accepted = 1;
    }
    return set;
}

namespace {

std::filesystem::path WriteOnce(int ions, const std::filesystem::path& file) {
    if (std::filesystem::exists(file)) return file;
    const ParticleSet set = MakeBenchSet(ions);
    const std::string line10 = "====== TRIM Calc.=  C(20 MeV) ==> Layer 1( 11.2 um) ==========================\n";
    if (WriteTransmitTxt(file, set, line10, 6, 1, 2, "Cannot open a file!"))
        throw std::runtime_error("cannot write the benchmark file");
    return file;
}

}  // namespace

std::filesystem::path TransmitFile(int ions, const char* name) {
    return WriteOnce(ions, std::filesystem::temp_directory_path() / name);
}

std::filesystem::path TransmitFileOf(int ions) {
    const std::filesystem::path folder = ZELKOR_BENCH_DATA_DIR;
    std::filesystem::create_directories(folder);
    return WriteOnce(ions, folder / ("transmit-" + std::to_string(ions) + ".txt"));
}

GeneratorFields MillionIonBeamFields() {
    GeneratorFields f;
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
    f.signY = AlphaSign::Plus;
    f.signZ = AlphaSign::Minus;
    f.dispersionY = "2";
    f.dispersionZ = "0";
    f.dispersionSlopeY = "0.5";
    f.dispersionSlopeZ = "0";
    return f;
}

double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0.0;
}

}  // namespace zelkor::bench
