#include "optics/beam_parameters.hpp"

#include "optics/particle_sets.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace zelkor {
namespace {

using optics_test::Ion;
using optics_test::SetOf;

// Ions given as (u [mm], u' [mrad]) in the horizontal plane; cos_x = 1 makes the slope the cosine.
PlaneParameters HorizontalOf(std::initializer_list<PhasePair> points) {
    ParticleSet set(static_cast<int>(points.size()) + 1);
    for (const PhasePair& p : points)
        set.records[static_cast<std::size_t>(++set.count)] = Ion(p.u * 1e7, 0, 1.0, p.up * 1e-3, 0);
    return PlaneParametersOf(ComputeSigmaMatrix(set, SourceKind::TransmitTxt), Plane::Y);
}

TEST(BeamParameters, UprightEllipseHasNoAlpha) {
    const PlaneParameters p = HorizontalOf({{1, 0}, {-1, 0}, {0, 2}, {0, -2}});  // <uu> 0.5, <u'u'> 2
    ASSERT_TRUE(p.defined);
    EXPECT_NEAR(p.emittance, 1.0, 1e-12);
    EXPECT_NEAR(p.beta, 0.5, 1e-12);
    EXPECT_NEAR(p.gamma, 2.0, 1e-12);
    EXPECT_NEAR(p.alpha, 0.0, 1e-12);
    const auto lines = BeamParameterLines(p, Plane::Y);
    EXPECT_EQ(lines[0], "eps_rms(Y) = 1.000000E+00 PI.mm.mrad");
    EXPECT_EQ(lines[1], "beta(Y) = 5.000000E-01 m");
    EXPECT_EQ(lines[2], "gamma(Y) = 2.000000E+00 1/m");
}

TEST(BeamParameters, TiltedEllipseHasItsAlphaAndItsRmsEllipseThroughTheMoments) {
    // <uu> 0.5, <uu'> 1, <u'u'> 2.5: eps 0.5, beta 1, gamma 5, alpha -2 (beta gamma - alpha^2 = 1).
    const PlaneParameters p = HorizontalOf({{1, 2}, {-1, -2}, {0, 1}, {0, -1}});
    ASSERT_TRUE(p.defined);
    EXPECT_NEAR(p.emittance, 0.5, 1e-12);
    EXPECT_NEAR(p.beta, 1.0, 1e-12);
    EXPECT_NEAR(p.gamma, 5.0, 1e-12);
    EXPECT_NEAR(p.alpha, -2.0, 1e-12);
    EXPECT_EQ(BeamParameterLines(p, Plane::Z)[3], "alpha(Z) = -2.000000E+00");

    const auto ellipse = RmsEllipse(p, {3.0, -1.0}, 37);
    ASSERT_EQ(ellipse.size(), 37u);
    for (const PhasePair& q : ellipse) {
        const double u = q.u - 3.0, up = q.up + 1.0;
        EXPECT_NEAR(p.gamma * u * u + 2 * p.alpha * u * up + p.beta * up * up, p.emittance, 1e-12);
    }
}

TEST(BeamParameters, LineShapedOrSingleIonBeamHasNoTwissParameters) {
    for (const PlaneParameters& p : {HorizontalOf({{1, 2}, {-1, -2}}), HorizontalOf({{0.3, 0.7}}),
                                     PlaneParametersOf(1.0, std::nextafter(1.0, 2.0), 1.0)}) {
        EXPECT_FALSE(p.defined);
        EXPECT_EQ(p.emittance, 0.0);
        const auto lines = BeamParameterLines(p, Plane::Y);
        EXPECT_EQ(lines[0], "eps_rms(Y) = 0.000000E+00 PI.mm.mrad");
        EXPECT_EQ(lines[1], "beta(Y) = undefined");
        EXPECT_EQ(lines[2], "gamma(Y) = undefined");
        EXPECT_EQ(lines[3], "alpha(Y) = undefined");
        EXPECT_TRUE(RmsEllipse(p, {}).empty());
    }
}

}  // namespace
}  // namespace zelkor
