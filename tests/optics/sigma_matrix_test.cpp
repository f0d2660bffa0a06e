#include "optics/sigma_matrix.hpp"

#include "optics/particle_sets.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace zelkor {
namespace {

using optics_test::Ion;
using optics_test::SetOf;

constexpr PhaseCoordinate kAll[] = {PhaseCoordinate::Y, PhaseCoordinate::Yp, PhaseCoordinate::Z, PhaseCoordinate::Zp};

TEST(SigmaMatrix, TwoOppositeIonsGiveTheMomentsOfTheirLine) {
    // (Y, Y') = (1 mm, 2 mrad) and (-1 mm, -2 mrad); cos_x = 1 so the slope is the cosine.
    const ParticleSet set = SetOf({Ion(1e7, 0, 1.0, 0.002, 0), Ion(-1e7, 0, 1.0, -0.002, 0)});
    const SigmaMatrix m = ComputeSigmaMatrix(set, SourceKind::TransmitTxt);
    EXPECT_EQ(FormatSigmaEntry(m.entry[0][0]), "1.0000000E+00");
    EXPECT_EQ(FormatSigmaEntry(m.entry[0][1]), "2.0000000E+00");
    EXPECT_EQ(FormatSigmaEntry(m.entry[1][0]), "2.0000000E+00");
    EXPECT_EQ(FormatSigmaEntry(m.entry[1][1]), "4.0000000E+00");
    EXPECT_EQ(FormatSigmaEntry(m.entry[2][2]), "0.0000000E+00");
}

TEST(SigmaMatrix, EqualsSixteenCentralMomentsBitForBit) {
    ParticleSet set(501);
    for (int i = 1; i <= 500; ++i) {
        const double t = i * 0.37;
        const double cy = 0.01 * std::sin(t), cz = 0.013 * std::cos(1.7 * t);
        set.records[static_cast<std::size_t>(++set.count)] =
            Ion(3e4 * std::sin(2.3 * t) + 1e3, -2e4 * std::cos(t), std::sqrt(1 - cy * cy - cz * cz), cy, cz);
    }
    for (SourceKind kind : {SourceKind::TransmitTxt, SourceKind::TrimDat, SourceKind::WinAgile}) {
        const SigmaMatrix m = ComputeSigmaMatrix(set, kind);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) EXPECT_EQ(m.entry[r][c], CentralMoment(set, kind, kAll[r], kAll[c])) << r << c;
        EXPECT_EQ(m.entry[3][1], m.entry[1][3]);  // < Z' Y' > and < Y' Z' >
    }
}

TEST(SigmaMatrix, SlopeRuleFollowsTheSourceKind) {
    // cos_x 0.5: a cosine file reads the slope 0.2 rad, a WinAGILE set the stored 0.1 rad.
    const ParticleSet set = SetOf({Ion(0, 0, 0.5, 0.1, 0), Ion(0, 0, 0.5, -0.1, 0)});
    EXPECT_DOUBLE_EQ(CentralMoment(set, SourceKind::TransmitTxt, PhaseCoordinate::Yp, PhaseCoordinate::Yp), 40000.0);
    EXPECT_EQ(CentralMoment(set, SourceKind::TrimDat, PhaseCoordinate::Yp, PhaseCoordinate::Yp),
              CentralMoment(set, SourceKind::TransmitTxt, PhaseCoordinate::Yp, PhaseCoordinate::Yp));
    EXPECT_DOUBLE_EQ(CentralMoment(set, SourceKind::WinAgile, PhaseCoordinate::Yp, PhaseCoordinate::Yp), 10000.0);
}

TEST(SigmaMatrix, RejectedIonsStillCount) {
    ParticleSet set = SetOf({Ion(1e7, 0, 1, 0, 0), Ion(-1e7, 0, 1, 0, 0)});
    set.records[2].accepted = 0;
    EXPECT_DOUBLE_EQ(ComputeSigmaMatrix(set, SourceKind::TransmitTxt).entry[0][0], 1.0);
}

TEST(SigmaMatrix, EmptySetShowsZerosAndStillFillsTheBar) {
    const ParticleSet empty;
    optics_test::StepCounter progress;
    const SigmaMatrix m = ComputeSigmaMatrix(empty, SourceKind::TransmitTxt, progress);
    for (const auto& row : m.entry)
        for (double v : row) EXPECT_EQ(v, 0.0);
    EXPECT_EQ(CentralMoment(empty, SourceKind::WinAgile, PhaseCoordinate::Y, PhaseCoordinate::Z), 0.0);
    EXPECT_EQ(progress.advanced, 100);
    EXPECT_EQ(progress.advances, 16);
}

TEST(SigmaMatrix, YieldsAfterEveryIonOfBothPasses) {
    const ParticleSet set = SetOf({Ion(1, 2, 1, 0, 0), Ion(3, 4, 1, 0, 0), Ion(5, 6, 1, 0, 0)});
    optics_test::StepCounter progress;
    ComputeSigmaMatrix(set, SourceKind::TransmitTxt, progress);
    EXPECT_EQ(progress.yields, 6);
    EXPECT_EQ(progress.advanced, 100);
}

}  // namespace
}  // namespace zelkor
