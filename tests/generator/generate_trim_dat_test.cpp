#include "generator/generate_trim_dat.hpp"
#include "generator/validate_generator.hpp"

#include "generator/generator_inputs.hpp"
#include "generator/random_positioning.hpp"
#include "io/printf_format.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <vector>

namespace zelkor {
namespace {

using generator_test::ProtonBeamFields;

GeneratorParams Params(const GeneratorFields& f, const DistributionChoice& d = {}) {
    return std::get<GeneratorParams>(ValidateGenerator(f, d));
}

std::vector<std::string> CrLfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "the file must end with a complete line";
    return lines;
}

struct IonFields {
    int k, z;
    double energy, depth, y, zpos, cx, cy, cz;
};

IonFields Parse(const std::string& line) {
    std::istringstream in(line);
    IonFields f{};
    in >> f.k >> f.z >> f.energy >> f.depth >> f.y >> f.zpos >> f.cx >> f.cy >> f.cz;
    EXPECT_TRUE(in) << line;
    return f;
}

std::string Generate(const GeneratorParams& p, BeamRandom& random, GenerationResult* result = nullptr) {
    test::TempDir dir;
    const auto path = dir.path() / "TRIM.DAT";
    const GenerationResult r = GenerateTrimDat(path, p, random);
    if (result) *result = r;
    return test::ReadBytes(path);
}

TEST(GenerateTrimDat, HeaderAndLineLayout) {
    GeneratorFields f = ProtonBeamFields();
    f.particles = "3";
    f.atomicNumber = "7";
    BeamRandom random;
    GenerationResult result;
    const auto lines = CrLfLines(Generate(Params(f), random, &result));
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(result.ionsWritten, 3);
    EXPECT_EQ(lines[0], "=========== TRIM with various Incident Ion Energies/Angles and Depths =========");
    EXPECT_EQ(lines[6], "================ Typical Data File is shown below  ============================");
    EXPECT_EQ(lines[7], f.description);
    EXPECT_EQ(lines[8], "Event  Atom  Energy  Depth   Lateral-Position   ----- Atom Direction ----");
    EXPECT_EQ(lines[9], "Name   Numb   (eV)    _X_(A)   _Y_(A)  _Z_(A)   Cos(X)   Cos(Y)   Cos(Z)");
    EXPECT_EQ(lines[10].substr(0, 12), "1       7   ");
    EXPECT_EQ(lines[10].substr(24, 14), "  0.000000E+00");
}

TEST(GenerateTrimDat, NumberAndAtomFieldWidths) {
    const GeneratedIon ion{1e5, 1.0, -1.0, 1.0, 0.0, -0.0};
    char buffer[1024];
    const auto line = [&](int k, int z) { return std::string(buffer, AppendGeneratedLine(buffer, k, z, ion)); };
    EXPECT_EQ(line(9, 5).substr(0, 9), "9       5");
    EXPECT_EQ(line(10, 14).substr(0, 9), "10     14");
    EXPECT_EQ(line(999, 100).substr(0, 9), "999   100");
    EXPECT_EQ(line(9999, 1).substr(0, 9), "9999    1");
    EXPECT_EQ(line(10000, 100).substr(0, 9), "10000 100");
    EXPECT_EQ(line(1, 1),
              "1       1   1.000000E+05  0.000000E+00  1.0000000000E+00 -1.0000000000E+00  1.0000000000"
              "  0.0000000000 -0.0000000000");  // -0 keeps its minus and the blank of a negative value
}

TEST(GenerateTrimDat, FirstGenerationIsReproducibleAndTheSequenceContinues) {
    const GeneratorParams p = Params(ProtonBeamFields());
    BeamRandom run1, run2;
    const std::string first = Generate(p, run1);
    EXPECT_EQ(first, Generate(p, run2));
    EXPECT_NE(first, Generate(p, run1));
}

TEST(GenerateTrimDat, SampledPairsLieInsideTheirEllipses) {
    GeneratorFields f = ProtonBeamFields();
    f.particles = "400";
    for (int uniform = 0; uniform < 2; ++uniform) {
        DistributionChoice d;
        if (uniform) d = {Distribution::Uniform, Distribution::Uniform, Distribution::Uniform, Distribution::Uniform};
        const GeneratorParams p = Params(f, d);
        BeamRandom random;
        const auto lines = CrLfLines(Generate(p, random));
        ASSERT_EQ(lines.size(), 410u);
        for (std::size_t i = 10; i < lines.size(); ++i) {
            const IonFields ion = Parse(lines[i]);
            const double y = ion.y * 1e-7, yp = 1000 * ion.cy / ion.cx;  // mm, mrad
            const double z = ion.zpos * 1e-7, zp = 1000 * ion.cz / ion.cx;
            EXPECT_LE(std::fabs(y), 1.0 + 1e-9);
            EXPECT_LE(std::fabs(z), 2.0 + 1e-9);
            const auto inside = [](double u, double up, double total, double slope, double eps, int sign) {
                const double beta = total * total / eps, gamma = slope * slope / eps;
                const double alpha = sign * std::sqrt(beta * gamma - 1);
                return gamma * u * u + 2 * alpha * u * up + beta * up * up <= eps * (1 + 1e-6);
            };
            EXPECT_TRUE(inside(y, yp, 1.0, 2.0, 1.5, 1)) << lines[i];
            EXPECT_TRUE(inside(z, zp, 2.0, 3.0, 4.0, -1)) << lines[i];
            EXPECT_GT(ion.cx, 0.0);
            EXPECT_EQ(ion.depth, 0.0);
            EXPECT_GE(ion.energy, 99000.0);
            EXPECT_LE(ion.energy, 101000.0);
        }
    }
}

TEST(GenerateTrimDat, WithoutEnergySpreadDispersionHasNoEffect) {
    GeneratorFields f = ProtonBeamFields();
    f.deltaE = "0";
    const GeneratorParams plain = Params(f);
    f.dispersionY = "2";
    f.dispersionSlopeZ = "-1";
    BeamRandom a, b;
    const std::string withDispersion = Generate(Params(f), a);
    EXPECT_EQ(withDispersion, Generate(plain, b));
    const auto lines = CrLfLines(withDispersion);
    for (std::size_t i = 10; i < lines.size(); ++i) EXPECT_EQ(lines[i].substr(9, 15), "   1.000000E+05");
}

TEST(GenerateTrimDat, ProtonMomentumAndDispersion) {
    const double p0 = GeneratorMomentum(100.0, 1.00727646688);
    EXPECT_EQ(FormatDouble("%.7E", p0), "1.3699066E+07");
    const double delta = (GeneratorMomentum(101.0, 1.00727646688) - p0) / p0;
    EXPECT_EQ(FormatDouble("%.5E", delta), "4.98783E-03");
    EXPECT_EQ(FormatDouble("%.10E", (0 * 0.001 + delta * 2) * 1e10), "9.9756597469E+07");
}

TEST(GenerateTrimDat, AngleOfIncidenceTiltsEveryHorizontalSlope) {
    GeneratorFields f = ProtonBeamFields();
    const GeneratorParams straight = Params(f);
    f.angle = "30";
    const GeneratorParams tilted = Params(f);
    BeamRandom a, b;
    const auto s = CrLfLines(Generate(straight, a));
    const auto t = CrLfLines(Generate(tilted, b));
    for (std::size_t i = 10; i < s.size(); ++i) {
        const IonFields u = Parse(s[i]), v = Parse(t[i]);
        const double angleStraight = std::atan(u.cy / u.cx), angleTilted = std::atan(v.cy / v.cx);
        EXPECT_NEAR(angleTilted - angleStraight, 30 * 0.017453292519943295, 1e-9);
        EXPECT_NEAR(v.cz / v.cx, u.cz / u.cx, 1e-9);
        EXPECT_EQ(u.y, v.y);
    }
}

const DistributionChoice kAllUniform{Distribution::Uniform, Distribution::Uniform, Distribution::Uniform,
                                     Distribution::Uniform};

// Uniform everything and no energy spread: six draws per ion, so draw 15 is
// ion 3's Y position.
GeneratorFields SteepBeam(const char* dydxTotal, const char* epsY) {
    GeneratorFields f = ProtonBeamFields();
    f.deltaE = "0";
    f.yTotal = "1";
    f.dydxTotal = dydxTotal;
    f.epsY = epsY;
    return f;
}

TEST(GenerateTrimDat, DomainErrorKeepsOnlyCompleteIons) {
    // In this very thin ellipse the position next to the edge, -1 + 2/10000019
    // mm, has a discriminant that rounds below zero.
    BeamRandom random = generator_test::SourceWithUniformAtDraw(15, 1);
    GenerationResult result;
    const auto lines = CrLfLines(Generate(Params(SteepBeam("3e5", "0.3"), kAllUniform), random, &result));
    EXPECT_EQ(lines.size(), 12u);
    EXPECT_EQ(result.ionsWritten, 2);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0],
              ErrorMessage("sqrt: DOMAIN error\nGeneration stopped at ion 3: the file holds the 2 ions before it."));
}

TEST(GenerateTrimDat, APositionOnTheEdgeTakesTheEdgeSlope) {
    // At Y = -1 mm this ellipse's discriminant rounds below zero; the
    // position still lies on the ellipse, whose slope there is -alpha Y / beta.
    BeamRandom random = generator_test::SourceWithZeroAtDraw(15);
    GenerationResult result;
    const auto lines = CrLfLines(Generate(Params(SteepBeam("2", "1"), kAllUniform), random, &result));
    EXPECT_TRUE(result.messages.empty());
    ASSERT_EQ(lines.size(), 60u);
    const IonFields third = Parse(lines[12]);
    EXPECT_EQ(third.y, -1e7);
    EXPECT_NEAR(1000 * third.cy / third.cx, std::sqrt(3.0), 1e-6);  // cosines carry ten decimals
}

TEST(GenerateTrimDat, EdgePositionWithAGaussianSlopeTakesTheOnlySlope) {
    // Here the discriminant at the edge is exactly 0: the window is one slope.
    const DistributionChoice d{Distribution::Uniform, Distribution::Uniform, Distribution::Gaussian,
                               Distribution::Uniform};
    BeamRandom random = generator_test::SourceWithZeroAtDraw(3);
    GenerationResult result;
    const auto lines = CrLfLines(Generate(Params(SteepBeam("1", "1"), d), random, &result));
    EXPECT_TRUE(result.messages.empty());
    const IonFields first = Parse(lines[10]);
    EXPECT_EQ(first.y, -1e7);
    EXPECT_EQ(first.cy, 0.0);  // alpha = 0: the edge slope is 0
}

TEST(GenerateTrimDat, HopelessSamplingStopsWithAClearMessage) {
    GeneratorFields f = ProtonBeamFields();
    f.dydxRms = "1e300";  // the slope window is a vanishing part of this sigma
    BeamRandom random;
    GenerationResult result;
    const auto lines = CrLfLines(Generate(Params(f), random, &result));
    EXPECT_EQ(lines.size(), 10u);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0].text,
              "No value of dY/dX within its limits in 1000000 tries\n"
              "Generation stopped at ion 1: the file holds the 0 ions before it.");
}

TEST(GenerateTrimDat, NegativeEmittanceIsThePositiveOneWithTheOtherSign) {
    // beta / EPS and gamma / EPS keep their sign, only alpha / EPS turns: the
    // slope window is an interval as ever, and the beam is the mirrored one.
    GeneratorFields f = ProtonBeamFields();
    f.epsY = "-1.5";
    f.signY = AlphaSign::Plus;
    BeamRandom a, b;
    GenerationResult result;
    const std::string negative = Generate(Params(f), a, &result);
    EXPECT_TRUE(result.messages.empty());
    f.epsY = "1.5";
    f.signY = AlphaSign::Minus;
    EXPECT_EQ(negative, Generate(Params(f), b));
}

TEST(GenerateTrimDat, AFileThatCannotBeCreatedWritesNothing) {
    test::TempDir dir;
    BeamRandom random;
    const GenerationResult r = GenerateTrimDat(dir.path() / "missing" / "TRIM.DAT", Params(ProtonBeamFields()), random);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], ErrorMessage("Cannot export a file!"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing"));
}

TEST(GenerateTrimDat, ReplacesAnOldFileOnlyAsAWhole) {
    test::TempDir dir;
    const auto path = dir.write("TRIM.DAT", "old");
    BeamRandom random;
    EXPECT_TRUE(GenerateTrimDat(path, Params(ProtonBeamFields()), random).messages.empty());
    EXPECT_NE(test::ReadBytes(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(GenerateBeam, ProgressStepsByHundredthsAndYieldsPerIon) {
    GeneratorFields f = ProtonBeamFields();
    f.particles = "250";
    struct Counter : Progress {
        Counter() : Progress(true) {}
        void advance(int s) override { steps += s; }
        int steps = 0;
    } progress;
    BeamRandom random;
    int lines = 0;
    GenerateBeam(Params(f), random, progress, [&](std::string_view) { ++lines; });
    EXPECT_EQ(lines, 250);
    EXPECT_EQ(progress.steps, 125);  // every second ion
}

}  // namespace
}  // namespace zelkor
