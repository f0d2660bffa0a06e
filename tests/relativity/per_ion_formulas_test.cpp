#include "io/printf_format.hpp"
#include "relativity/momentum_pass.hpp"
#include "relativity/per_ion_formulas.hpp"
#include "relativity/relativistic_inputs.hpp"

#include <gtest/gtest.h>

#include <string>

namespace zelkor {
namespace {

std::string E(double value) { return FormatDouble("%lE", value); }

TEST(PerIonFormulas, ProtonOfOneMeV) {
    const double amu = 1.00727646688;
    const double gamma = Gamma(1e6, amu);
    const double beta = Beta(gamma);
    const double momentum = Momentum(beta, gamma, amu);
    EXPECT_EQ(E(gamma), "1.001066E+00");
    EXPECT_EQ(E(beta), "4.613215E-02");
    EXPECT_EQ(E(BetaGamma(gamma, beta)), "4.618132E-02");
    EXPECT_EQ(E(RelativisticMass(amu, gamma)), "1.674404E-27");
    EXPECT_EQ(E(Velocity(beta)), "1.383007E+07");
    EXPECT_EQ(E(momentum), "4.333064E+07");
    EXPECT_EQ(E(MagneticRigidity(momentum, 1)), "1.445354E-01");
    EXPECT_EQ(MomentumOfIon(1e6, amu), momentum);
}

TEST(PerIonFormulas, HeliumAndAnIonAtRest) {
    const double helium = MomentumOfIon(2e6, 4.00150608);
    EXPECT_EQ(E(helium), "1.221209E+08");
    EXPECT_EQ(E(MagneticRigidity(helium, 2)), "2.036758E-01");
    const double gamma = Gamma(0, 4.0);
    EXPECT_EQ(E(gamma), "1.000000E+00");
    EXPECT_EQ(E(Beta(gamma)), "0.000000E+00");
    EXPECT_EQ(MomentumOfIon(0, 4.0), 0.0);
}

TEST(PerIonFormulas, MomentumKeepsItsOrderOfOperationsToTheLastBit) {
    // beta * gamma * (931494043.0 * amu); (beta * gamma) * 931494043.0 * amu
    // ends in ...645 instead.
    EXPECT_EQ(MomentumOfIon(1e6, 4.002602), 86358553.94227643);
}

TEST(PerIonFormulas, OutputColumnsMultiplyByTheUnitFactor) {
    const double e = 5021073.0;
    EXPECT_EQ(EnergyPerAColumn(e, OutputUnitFactor(2), 3), e * 1e-6 / 3.0);
    EXPECT_NE(EnergyPerAColumn(e, OutputUnitFactor(2), 3), e / 1e6 / 3.0);
    EXPECT_EQ(EnergyPerAmuColumn(e, OutputUnitFactor(1), 2.5), e * 0.001 / 2.5);
    EXPECT_EQ(KineticEnergyColumn(e, OutputUnitFactor(3)), e * 1e-9);
    EXPECT_EQ(OutputUnitFactor(0), 1.0);
}

TEST(MomentumPass, FillsEveryIonAndNothingBeyond) {
    ParticleSet set(4);
    set.count = 2;
    set.records[1].energy = 1e6;
    set.records[1].accepted = 0;
    set.records[2].energy = 2e6;
    set.records[3].momentum = -1;
    ComputeMomenta(set, 1.00727646688);
    EXPECT_EQ(set.records[1].momentum, MomentumOfIon(1e6, 1.00727646688));
    EXPECT_EQ(set.records[2].momentum, MomentumOfIon(2e6, 1.00727646688));
    EXPECT_EQ(set.records[3].momentum, -1);
    EXPECT_EQ(set.records[0].momentum, 0);
}

TEST(RelativisticInputs, ChecksInTheirOrder) {
    const auto text = [](std::string_view a, std::string_view amu, bool rigidity = false, std::string_view n = {}) {
        const auto checked = ValidateRelativisticInputs(a, amu, rigidity, n);
        if (const auto* m = std::get_if<Message>(&checked)) return m->text;
        const auto& in = std::get<RelativisticInputs>(checked);
        return std::to_string(in.A) + " " + FormatDouble("%g", in.amu) + " " + std::to_string(in.n.value_or(-1));
    };
    EXPECT_EQ(text("", "abc"), "Missing value A(number of nucleons)");
    EXPECT_EQ(text("x", ""), "Missing value amu(atomic mass unit)");
    EXPECT_EQ(text("x", "y", true, ""), "Missing value n(charge state)");
    EXPECT_EQ(text("4.0", "4"), "Value A(number of nucleons) must be integer > 0");
    EXPECT_EQ(text("0", "4"), "Value A(number of nucleons) must be integer > 0");
    EXPECT_EQ(text("4", "0"), "Value amu(atomic mass unit) must be real number > 0");
    EXPECT_EQ(text("4", "4", true, "-2"), "Value n(charge state) must be integer > 0");
    EXPECT_EQ(text("4", "4.00150608"), "4 4.00151 -1");
    EXPECT_EQ(text("4", "4.00150608", true, "2"), "4 4.00151 2");
}

}  // namespace
}  // namespace zelkor
