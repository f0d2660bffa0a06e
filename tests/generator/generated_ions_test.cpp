// The generated TRIM.DAT against ions worked out here from the generator's
// definition, draw by draw, so that a swapped draw, distribution or
// dispersion term cannot pass.
#include "generator/generate_trim_dat.hpp"
#include "generator/validate_generator.hpp"

#include "generator/generator_inputs.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <sstream>

namespace zelkor {
namespace {

constexpr double kAmuEnergy = 931494043.0;  // eV

// The random source as defined: one 64-bit state, its step, bits 32 to 62.
struct Draws {
    std::uint64_t state = 22695478;
    double uniform() {
        state = state * 1486058704437ULL + 1;
        return static_cast<double>(((state >> 32) & 0x7FFFFFFFu) % 10000019u) / 10000019.0;
    }
    double normal() {
        double u1 = 0.0;
        double u2 = 0.0;
        do {
            u1 = uniform();
            u2 = uniform();
        } while (u1 == 0.0);
        return std::sqrt(-2.0 * std::log(u1)) * std::sin(6.283185307179586 * u2);
    }
    double gaussianBetween(double lower, double upper, double s) {
        const double middle = lower + (upper - lower) * 0.5;
        for (;;)
            if (const double v = normal() * s + middle; lower <= v && v <= upper) return v;
    }
    double position(bool uniform, double total, double rms) {
        if (uniform) return -total + (total + total) * this->uniform();
        for (;;)
            if (const double v = normal() * rms; - total <= v && v <= total) return v;
    }
    // The slopes where the plane's ellipse meets the position u, then one between them.
    double slope(bool uniform, double u, double total, double slopeTotal, double eps, int sign, double rms) {
        const double beta = total * total / eps, gamma = slopeTotal * slopeTotal / eps;
        const double alpha = sign * std::sqrt(beta * gamma - 1.0);
        const double d = 4 * alpha * alpha * u * u / (eps * eps) - (u * u * gamma / eps - 1) * (4 * beta / eps);
        const double upper = (std::sqrt(d) - 2 * alpha * u / eps) / (2 * beta / eps);
        const double lower = (-2 * alpha * u / eps - std::sqrt(d)) / (2 * beta / eps);
        return uniform ? lower + (upper - lower) * this->uniform() : gaussianBetween(lower, upper, rms);
    }
};

double Momentum(double energyKeV, double amu) {
    const double gamma = ((energyKeV * 1000) / amu) / kAmuEnergy + 1;
    return amu * kAmuEnergy * std::sqrt(gamma * gamma - 1);
}

struct Ion {
    double energy, y, z, cosX, cosY, cosZ;  // eV, Angstrom
};

Ion NextIon(Draws& draws, const GeneratorParams& p) {
    const DistributionChoice& d = p.distributions;
    const double dE = p.energy * (p.deltaE * 0.01);
    double e = 0.0;
    do e = p.energy + draws.normal() * (dE / p.nSigma);
    while (e < p.energy - dE || e > p.energy + dE);
    const double y = draws.position(d.posY == Distribution::Uniform, p.yTotal, p.yRms);
    const double z = draws.position(d.posZ == Distribution::Uniform, p.zTotal, p.zRms);
    const double yp =
        draws.slope(d.slopeY == Distribution::Uniform, y, p.yTotal, p.dydxTotal, p.epsY, p.signY, p.dydxRms);
    const double zp =
        draws.slope(d.slopeZ == Distribution::Uniform, z, p.zTotal, p.dzdxTotal, p.epsZ, p.signZ, p.dzdxRms);
    const double p0 = Momentum(p.energy, p.amu);
    const double delta = (Momentum(e, p.amu) - p0) / p0;
    const double slopeY = std::tan(std::atan(yp * 0.001) + p.angle * 0.017453292519943295) + delta * p.dispersionSlopeY;
    const double slopeZ = zp * 0.001 + delta * p.dispersionSlopeZ;
    const double cosX = std::sqrt(1 / (slopeY * slopeY + slopeZ * slopeZ + 1));
    return {e * 1000,
            (y * 0.001 + delta * p.dispersionY) * 1e10,
            (z * 0.001 + delta * p.dispersionZ) * 1e10,
            cosX,
            slopeY * cosX,
            slopeZ * cosX};
}

TEST(GeneratedIons, EveryDistributionMixGivesTheIonsOfTheFormulas) {
    GeneratorFields f = generator_test::ProtonBeamFields();
    f.particles = "4";
    f.angle = "10";
    f.deltaE = "2";
    f.dispersionY = "2";
    f.dispersionZ = "-0.5";
    f.dispersionSlopeY = "0.3";
    f.dispersionSlopeZ = "-1.5";
    for (int mix = 0; mix < 16; ++mix) {
        const auto choice = [mix](int bit) {
            return mix & (1 << bit) ? Distribution::Uniform : Distribution::Gaussian;
        };
        const DistributionChoice d{choice(0), choice(1), choice(2), choice(3)};
        const GeneratorParams params = std::get<GeneratorParams>(ValidateGenerator(f, d));
        test::TempDir dir;
        BeamRandom random;
        GenerateTrimDat(dir.path() / "TRIM.DAT", params, random);
        std::istringstream file(test::ReadBytes(dir.path() / "TRIM.DAT"));
        std::string line;
        for (int header = 0; header < 10; ++header) std::getline(file, line);
        Draws draws;
        for (int k = 1; k <= 4; ++k) {
            ASSERT_TRUE(std::getline(file, line)) << "mix " << mix;
            std::istringstream fields(line);
            int number = 0, atom = 0;
            Ion read{};
            double depth = 0.0;
            fields >> number >> atom >> read.energy >> depth >> read.y >> read.z >> read.cosX >> read.cosY >> read.cosZ;
            ASSERT_TRUE(fields) << line;
            const Ion expected = NextIon(draws, params);
            const std::string where = "mix " + std::to_string(mix) + ", ion " + std::to_string(k) + ": " + line;
            EXPECT_EQ(number, k);
            EXPECT_NEAR(read.energy, expected.energy, expected.energy * 1e-6) << where;
            EXPECT_NEAR(read.y, expected.y, std::fabs(expected.y) * 1e-9) << where;
            EXPECT_NEAR(read.z, expected.z, std::fabs(expected.z) * 1e-9) << where;
            EXPECT_NEAR(read.cosX, expected.cosX, 0.6e-10) << where;
            EXPECT_NEAR(read.cosY, expected.cosY, 0.6e-10) << where;
            EXPECT_NEAR(read.cosZ, expected.cosZ, 0.6e-10) << where;
        }
    }
}

}  // namespace
}  // namespace zelkor
