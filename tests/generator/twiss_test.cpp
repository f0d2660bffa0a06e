#include "generator/twiss_window.hpp"
#include "generator/twiss.hpp"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

TwissFields Valid() {
    TwissFields f;
    f.yTotal = "2";
    f.dydxTotal = "3";
    f.epsY = "6";
    f.signY = AlphaSign::Plus;
    f.zTotal = "2";
    f.dzdxTotal = "3";
    f.epsZ = "5";
    f.signZ = AlphaSign::Minus;
    return f;
}

std::string Outcome(const TwissFields& f) {
    const auto r = ShowTwissParameters(f);
    if (const auto* m = std::get_if<Message>(&r)) return m->text;
    std::string all;
    for (const std::string& label : std::get<TwissLabels>(r)) all += label + "|";
    return all;
}

TEST(TwissFromBeamSize, UprightAndTiltedEllipses) {
    EXPECT_EQ(Outcome(Valid()),
              "beta(Y) = 6.666667E-01 m|gamma(Y) = 1.500000E+00 1/m|alpha(Y) = 0.000000E+00|"
              "beta(Z) = 8.000000E-01 m|gamma(Z) = 1.800000E+00 1/m|alpha(Z) = -6.633250E-01|");
}

TEST(TwissFromBeamSize, FailuresAndSigns) {
    EXPECT_EQ(std::get<TwissFailure>(TwissFromBeamSize(1, 1, 2, 1)), TwissFailure::Domain);
    EXPECT_EQ(std::get<TwissFailure>(TwissFromBeamSize(1, 1, 0, 1)), TwissFailure::DivisionByZero);
    const auto negative = std::get<TwissParameters>(TwissFromBeamSize(2, 3, -6, 1));
    EXPECT_LT(negative.beta, 0);
    EXPECT_LT(negative.gamma, 0);
    const auto a = std::get<TwissParameters>(TwissFromBeamSize(2, -3, 5, -1));
    const auto b = std::get<TwissParameters>(TwissFromBeamSize(2, 3, 5, -1));
    EXPECT_EQ(a.alpha, b.alpha);
    EXPECT_EQ(a.gamma, b.gamma);
}

TEST(ShowTwissParameters, ChecksInTheirOrder) {
    TwissFields f = Valid();
    f.signZ.reset();
    EXPECT_EQ(Outcome(f), "Missing value sign_alpha_Z");
    f.epsY.clear();
    EXPECT_EQ(Outcome(f), "Missing value EPS_Y");
    f.dzdxTotal.clear();
    EXPECT_EQ(Outcome(f), "Missing value dZ/dX (total)");
    f.zTotal.clear();
    EXPECT_EQ(Outcome(f), "Missing value Z (total)");
    EXPECT_EQ(Outcome(TwissFields{}), "Missing value Y (total)");

    f = Valid();
    f.yTotal = "0";
    f.epsY = "x";
    EXPECT_EQ(Outcome(f), "Value Y (total) must be real number > 0");
    f = Valid();
    f.zTotal = "-2";
    EXPECT_EQ(Outcome(f), "Value Z (total) must be real number > 0");
    f = Valid();
    f.dzdxTotal = "?";
    EXPECT_EQ(Outcome(f), "Value dZ/dX (total) must be real number");
    f.dydxTotal = "?";
    EXPECT_EQ(Outcome(f), "Value dY/dX (total) must be real number");
    f = Valid();
    f.epsZ = "e";
    f.epsY = "0";
    EXPECT_EQ(Outcome(f), "Value EPS_Z must be real number");
    f.epsZ = "0";
    EXPECT_EQ(Outcome(f), "EPS_Y: Division by zero");
    f.epsY = "6";
    EXPECT_EQ(Outcome(f), "EPS_Z: Division by zero");
    f.epsZ = "7";  // more than 2 * 3
    EXPECT_EQ(Outcome(f), "sqrt: DOMAIN error");
    f.epsZ = "5";
    f.dzdxTotal = "0";  // a zero divergence never makes an ellipse
    EXPECT_EQ(Outcome(f), "sqrt: DOMAIN error");
}

TEST(ShowTwissParameters, NegativeValuesAreAccepted) {
    TwissFields f = Valid();
    f.epsY = "-6";
    f.dzdxTotal = "-3";
    const auto labels = std::get<TwissLabels>(ShowTwissParameters(f));
    EXPECT_EQ(labels[0], "beta(Y) = -6.666667E-01 m");
    EXPECT_EQ(labels[4], "gamma(Z) = 1.800000E+00 1/m");
    EXPECT_EQ(labels[5], "alpha(Z) = -6.633250E-01");
}

}  // namespace
}  // namespace zelkor
