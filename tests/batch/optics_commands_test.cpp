#include "support/run_batch.hpp"
#include "support/srim_text.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

using test::RunBatchWords;

// Two protons of 1 MeV at (Y, Y') = (1 mm, 2 mrad) and (-1 mm, -2 mrad).
const std::string kIon1 =
    "T    1  1 1.000000E+06  1.000000E+04  1.0000000000E+07  0.0000000000E+00  1.0000000000  0.0020000000  "
    "0.0000000000";
const std::string kIon2 =
    "T    2  1 1.000000E+06  1.000000E+04 -1.0000000000E+07  0.0000000000E+00  1.0000000000 -0.0020000000  "
    "0.0000000000";
const std::string kIdentity = "1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1";

class OpticsCommands : public ::testing::Test {
protected:
    std::string transmit() const {
        return dir.write("ions.txt", test::SrimTransmitHeader("== Layer ==") + test::Lines({kIon1, kIon2})).string();
    }
    test::TempDir dir;
};

TEST_F(OpticsCommands, SigmaMatrixPrintsFourRowsOfFour) {
    const auto run = RunBatchWords({"sigma-matrix", transmit()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "1.0000000E+00\t2.0000000E+00\t0.0000000E+00\t0.0000000E+00\n"
              "2.0000000E+00\t4.0000000E+00\t0.0000000E+00\t0.0000000E+00\n"
              "0.0000000E+00\t0.0000000E+00\t0.0000000E+00\t0.0000000E+00\n"
              "0.0000000E+00\t0.0000000E+00\t0.0000000E+00\t0.0000000E+00\n");
}

TEST_F(OpticsCommands, TransformListsOldAndNewCoordinates) {
    const auto run = RunBatchWords({"transform", transmit(), "--matrix", "1 1 0 0 0 1 0 0 0 0 1 1 0 0 0 1"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 4), "Ion\t");
    EXPECT_NE(run.out.find("\n1\t1.0000000000E-03\t3.0000000000E-03\t2.0000000000E-03\t2.0000000000E-03\t"),
              std::string::npos);
}

TEST_F(OpticsCommands, TransformValidatesTheSixteenTexts) {
    const auto missing = RunBatchWords({"transform", transmit(), "--matrix", "1 0 0 0 0 1 0 0 0 0 1 0 0 0 0"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Missing value vv22\n");
    const auto bad = RunBatchWords({"transform", transmit(), "--matrix", "1 0 0 0 0 1 0 0 0 x 1 0 0 0 0 1"});
    EXPECT_EQ(bad.err, "Value vh12 must be real number\n");
    const auto none = RunBatchWords({"transform", transmit()});
    EXPECT_EQ(none.err, "Missing value hh11\n");
    EXPECT_EQ(RunBatchWords({"transform", transmit(), "--matrix", kIdentity + " 1"}).status, 2);
}

TEST_F(OpticsCommands, TransformWritesTheFileOfTheSetsKind) {
    const std::string out = (dir.path() / "moved.txt").string();
    const auto run = RunBatchWords({"transform", transmit(), "--matrix", "1 1 0 0 0 1 0 0 0 0 1 1 0 0 0 1", "-o", out});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string file = test::ReadBytes(out);
    EXPECT_NE(file.find("T    1  1 1.000000E+06 1.000000E+04  3.0000000000E+07"), std::string::npos) << file;
    const auto failed =
        RunBatchWords({"transform", transmit(), "--matrix", kIdentity, "-o", (dir.path() / "no" / "x").string()});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "Cannot save a file!\n");
}

TEST_F(OpticsCommands, RelativisticPrintsTheGrid) {
    const auto run = RunBatchWords({"relativistic", transmit(), "--A", "1", "--amu", "1.00727646688", "--n", "1",
                                    "--columns", "gamma,momentum,rigidity", "--energy-unit", "MeV"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(
        run.out,
        " Ion\t Kin. energy [MeV]\t Energy/A [eV]\t Energy/amu [eV]\t gamma\t Momentum [eV/c]\t Mag. regidity [Tm]\n"
        "1\t1.000000E+00\t1.000000E+06\t9.927761E+05\t1.001066E+00\t4.333064E+07\t1.445354E-01\n"
        "2\t1.000000E+00\t1.000000E+06\t9.927761E+05\t1.001066E+00\t4.333064E+07\t1.445354E-01\n");
}

TEST_F(OpticsCommands, RelativisticChecksLikeCalculation) {
    const std::string file = transmit();
    EXPECT_EQ(RunBatchWords({"relativistic", file, "--amu", "1"}).err, "Missing value A(number of nucleons)\n");
    EXPECT_EQ(RunBatchWords({"relativistic", file, "--A", "4.0", "--amu", "1"}).err,
              "Value A(number of nucleons) must be integer > 0\n");
    const auto rigidity = RunBatchWords({"relativistic", file, "--A", "1", "--amu", "1", "--columns", "rigidity"});
    EXPECT_EQ(rigidity.status, 1);
    EXPECT_EQ(rigidity.err, "Missing value n(charge state)\n");
    EXPECT_EQ(RunBatchWords({"relativistic", file, "--A", "1", "--amu", "1", "--columns", "all"}).status, 1);
    EXPECT_EQ(RunBatchWords({"relativistic", file, "--A", "1", "--amu", "1", "--columns", "speed"}).status, 2);
    EXPECT_EQ(RunBatchWords({"relativistic", file, "--A", "1", "--amu", "1", "--momentum-unit", "TeV"}).status, 2);
    const std::string points =
        dir.write("p.pnt", " 1.0E-03\t 0.0E+00\t 0.0E+00\t 0.0E+00\t 0.0E+00\t65535   \r\n").string();
    const auto refused = RunBatchWords({"relativistic", points, "--A", "1", "--amu", "1"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "This function is available only for TRANSMIT.TXT\n");
}

TEST(TwissCommand, PrintsTheSixLabelsOrTheFirstFailure) {
    const auto run = RunBatchWords({"twiss", "--y-total", "2", "--dydx-total", "3", "--eps-y", "6", "--sign-y", "PLUS",
                                    "--z-total", "2", "--dzdx-total", "3", "--eps-z", "5", "--sign-z", "MINUS"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "beta(Y) = 6.666667E-01 m\ngamma(Y) = 1.500000E+00 1/m\nalpha(Y) = 0.000000E+00\n"
              "beta(Z) = 8.000000E-01 m\ngamma(Z) = 1.800000E+00 1/m\nalpha(Z) = -6.633250E-01\n");
    const auto missing = RunBatchWords({"twiss", "--y-total", "2", "--z-total", "2", "--dydx-total", "3",
                                        "--dzdx-total", "3", "--eps-y", "6", "--eps-z", "5", "--sign-y", "PLUS"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Missing value sign_alpha_Z\n");
    EXPECT_EQ(RunBatchWords({"twiss", "--sign-y", "plus"}).status, 2);
}

TEST_F(OpticsCommands, SigmaMatrixWithTwissAddsTheBeamParametersOfALineShapedBeam) {
    const auto run = RunBatchWords({"sigma-matrix", transmit(), "--twiss"});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string tail = run.out.substr(run.out.find("eps_rms"));
    EXPECT_EQ(
        tail,
        "eps_rms(Y) = 0.000000E+00 PI.mm.mrad\nbeta(Y) = undefined\ngamma(Y) = undefined\nalpha(Y) = undefined\n"
        "eps_rms(Z) = 0.000000E+00 PI.mm.mrad\nbeta(Z) = undefined\ngamma(Z) = undefined\nalpha(Z) = undefined\n");
}

TEST_F(OpticsCommands, EmittancePrintsTheAxesThenOnePointPerIon) {
    const auto run = RunBatchWords({"emittance", transmit(), "--mode", "real", "--scale-h", "0.5"});
    EXPECT_EQ(run.status, 0) << run.err;
    // Every Z is 0: the automatic range is empty (0 .. -0), printed as computed.
    EXPECT_EQ(run.out.substr(0, run.out.find("\nleft")), "bottom\tY [mm]\t-0.5\t0.5");
    EXPECT_NE(run.out.find("\nleft\tZ [mm]\t-0\t0\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\n1\t0\n-1\t0\n"), std::string::npos) << run.out;
}

TEST_F(OpticsCommands, EmittanceChecksTheBottomScaleFirst) {
    const auto both =
        RunBatchWords({"emittance", transmit(), "--mode", "horizontal", "--scale-h", "x", "--scale-v", "0"});
    EXPECT_EQ(both.status, 1);
    EXPECT_EQ(both.err, "Value  Scale Y must be real number > 0\n");
    const auto left = RunBatchWords({"emittance", transmit(), "--mode", "vertical", "--scale-v", "-1"});
    EXPECT_EQ(left.err, "Value  Scale dZ/dX must be real number > 0\n");
    EXPECT_EQ(RunBatchWords({"emittance", transmit(), "--mode", "sigma"}).status, 2);
}

TEST(ElementCommand, PrintsTheTooltipLines) {
    const auto run = RunBatchWords({"element", "He"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "He (Helium)\nA = 4, Z = 2\namu = 4.00150608\nn = 2\n");
    EXPECT_EQ(RunBatchWords({"element", "Hx"}).status, 2);
    EXPECT_EQ(RunBatchWords({"element"}).status, 2);
}

}  // namespace
}  // namespace zelkor
