#include "generator/validate_generator.hpp"

#include "generator/generator_inputs.hpp"

#include <gtest/gtest.h>

#include <functional>

namespace zelkor {
namespace {

using generator_test::ProtonBeamFields;

std::string Outcome(const GeneratorFields& f, const DistributionChoice& d = {}) {
    const auto r = ValidateGenerator(f, d);
    return std::holds_alternative<Message>(r) ? std::get<Message>(r).text : "(valid)";
}

struct Check {
    std::function<void(GeneratorFields&)> spoil;
    const char* message;
};

// One spoiled field per check, in the order the checks run.
const Check kChecks[] = {
    {[](GeneratorFields& f) { f.description.clear(); }, "Missing Description of Experiment"},
    {[](GeneratorFields& f) { f.particles.clear(); }, "Missing value Number of Particles"},
    {[](GeneratorFields& f) { f.atomicNumber.clear(); }, "Missing value Atomic Number"},
    {[](GeneratorFields& f) { f.amu.clear(); }, "Missing value amu(ion mass in atomic mass unit)"},
    {[](GeneratorFields& f) { f.angle.clear(); }, "Missing value Angle of Incidence"},
    {[](GeneratorFields& f) { f.energy.clear(); }, "Missing value E"},
    {[](GeneratorFields& f) { f.deltaE.clear(); }, "Missing value (delta E)/E"},
    {[](GeneratorFields& f) { f.nSigma.clear(); }, "Missing value n (deltaE = n.sigma)"},
    {[](GeneratorFields& f) { f.yTotal.clear(); }, "Missing value Y (total)"},
    {[](GeneratorFields& f) { f.zTotal.clear(); }, "Missing value Z (total)"},
    {[](GeneratorFields& f) { f.yRms.clear(); }, "Missing value Y (RMS)"},
    {[](GeneratorFields& f) { f.zRms.clear(); }, "Missing value Z (RMS)"},
    {[](GeneratorFields& f) { f.dydxTotal.clear(); }, "Missing value dY/dX (total)"},
    {[](GeneratorFields& f) { f.dzdxTotal.clear(); }, "Missing value dZ/dX (total)"},
    {[](GeneratorFields& f) { f.dydxRms.clear(); }, "Missing value dY/dX (RMS)"},
    {[](GeneratorFields& f) { f.dzdxRms.clear(); }, "Missing value dZ/dX (RMS)"},
    {[](GeneratorFields& f) { f.epsY.clear(); }, "Missing value EPS_Y (total)"},
    {[](GeneratorFields& f) { f.epsZ.clear(); }, "Missing value EPS_Z (total)"},
    {[](GeneratorFields& f) { f.signY.reset(); }, "Missing value sign_alpha_Y"},
    {[](GeneratorFields& f) { f.signZ.reset(); }, "Missing value sign_alpha_Z"},
    {[](GeneratorFields& f) { f.dispersionY.clear(); }, "Missing value D_Y"},
    {[](GeneratorFields& f) { f.dispersionZ.clear(); }, "Missing value D_Z"},
    {[](GeneratorFields& f) { f.dispersionSlopeY.clear(); }, "Missing value dD/dX_Y"},
    {[](GeneratorFields& f) { f.dispersionSlopeZ.clear(); }, "Missing value dD/dX_Z"},
    {[](GeneratorFields& f) { f.particles = "2.5"; }, "Value Number of particles must be integer > 0"},
    {[](GeneratorFields& f) { f.atomicNumber = "0"; }, "Value Atomic Number must be integer > 0"},
    {[](GeneratorFields& f) { f.amu = "-1"; }, "Value amu(ion mass in atomic mass unit) must be real number > 0"},
    {[](GeneratorFields& f) { f.angle = "90"; }, "Value Angle of Incidence must be real number from <0, 90)"},
    {[](GeneratorFields& f) { f.energy = "0"; }, "Value E must be real number > 0"},
    {[](GeneratorFields& f) { f.deltaE = "-0.1"; }, "Value (deltaE)/E must be real number > 0"},
    {[](GeneratorFields& f) { f.nSigma = "0"; }, "Value n (deltaE = n.sigma) must be real number > 0"},
    {[](GeneratorFields& f) { f.yTotal = "y"; }, "Value Y (total) must be real number > 0"},
    {[](GeneratorFields& f) { f.zTotal = "0"; }, "Value Z (total) must be real number > 0"},
    {[](GeneratorFields& f) { f.yRms = "-1"; }, "Value Y (RMS) must be real number > 0"},
    {[](GeneratorFields& f) { f.zRms = "a"; }, "Value Z (RMS) must be real number > 0"},
    {[](GeneratorFields& f) { f.dydxTotal = "0"; }, "Value dY/dX (total) must be real number >0"},
    {[](GeneratorFields& f) { f.dzdxTotal = "-3"; }, "Value dZ/dX (total) must be real number > 0"},
    {[](GeneratorFields& f) { f.dydxRms = "0"; }, "Value dY/dX (RMS) must be real number > 0"},
    {[](GeneratorFields& f) { f.dzdxRms = "x"; }, "Value dZ/dX (RMS) must be real number > 0"},
    {[](GeneratorFields& f) { f.epsY = "e"; }, "Value EPS_Y (total) must be real number"},
    {[](GeneratorFields& f) { f.epsZ = "?"; }, "Value EPS_Z (total) must be real number"},
    {[](GeneratorFields& f) { f.epsY = "0"; }, "EPS_Y (total): Division by zero"},
    {[](GeneratorFields& f) { f.epsZ = "0"; }, "EPS_Z (total): Division by zero"},
    {[](GeneratorFields& f) { f.dispersionY = "m"; }, "Value D_Y must be real number"},
    {[](GeneratorFields& f) { f.dispersionZ = "m"; }, "Value D_Z must be real number"},
    {[](GeneratorFields& f) { f.dispersionSlopeY = "r"; }, "Value dD/dX_Y must be real number"},
    {[](GeneratorFields& f) { f.dispersionSlopeZ = "r"; }, "Value dD/dX_Z must be real number"},
    {[](GeneratorFields& f) { f.epsZ = "6.5"; }, "sqrt: DOMAIN error"},
};

TEST(ValidateGenerator, EachOfTheFortyEightChecksHasItsMessage) {
    ASSERT_EQ(std::size(kChecks), 48u);
    EXPECT_EQ(Outcome(ProtonBeamFields()), "(valid)");
    for (const Check& check : kChecks) {
        GeneratorFields f = ProtonBeamFields();
        check.spoil(f);
        EXPECT_EQ(Outcome(f), check.message);
    }
}

TEST(ValidateGenerator, EarlierChecksWin) {
    // Spoiling the fields of check k and of every later check of its kind
    // (emptiness, or conversion and range) still shows check k's message. The
    // spoils go from the last check back, so that a field two checks read
    // keeps the spoil of the earlier one.
    const std::size_t firstConversion = 24;
    for (std::size_t k = 0; k < std::size(kChecks); ++k) {
        GeneratorFields f = ProtonBeamFields();
        const std::size_t end = k < firstConversion ? firstConversion : std::size(kChecks);
        for (std::size_t later = end; later-- > k;) kChecks[later].spoil(f);
        EXPECT_EQ(Outcome(f), kChecks[k].message) << "check " << k + 1;
    }
}

TEST(ValidateGenerator, UniformQuantitiesNeedNoRms) {
    GeneratorFields f = ProtonBeamFields();
    f.dzdxRms.clear();
    EXPECT_EQ(Outcome(f), "Missing value dZ/dX (RMS)");
    DistributionChoice d;
    d.slopeZ = Distribution::Uniform;
    EXPECT_EQ(Outcome(f, d), "(valid)");
    f.yRms = "not read";
    d.posY = Distribution::Uniform;
    EXPECT_EQ(Outcome(f, d), "(valid)");
}

TEST(ValidateGenerator, BoundsThatAreAccepted) {
    GeneratorFields f = ProtonBeamFields();
    f.deltaE = "0";
    f.angle = "89.999";
    f.epsY = "-1.5";  // only zero is refused
    f.dispersionY = "-2";
    const auto params = std::get<GeneratorParams>(ValidateGenerator(f, {}));
    EXPECT_EQ(params.deltaE, 0.0);
    EXPECT_EQ(params.epsY, -1.5);
    EXPECT_EQ(params.signZ, -1);
    EXPECT_EQ(params.particles, 50);
    EXPECT_EQ(params.description, f.description);
}

}  // namespace
}  // namespace zelkor
