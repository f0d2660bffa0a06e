#include "optics/emittance_axes.hpp"

#include "optics/particle_sets.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelkor {
namespace {

using optics_test::Ion;
using optics_test::SetOf;

std::string MessageOf(const std::variant<EmittanceAxes, Message>& result) {
    return std::holds_alternative<Message>(result) ? std::get<Message>(result).text : std::string("(axes)");
}

TEST(AutoAxisRange, IsSymmetricAndFivePercentWider) {
    EXPECT_DOUBLE_EQ(AutoAxisRange(-2.0, 1.5).min, -2.1);
    EXPECT_DOUBLE_EQ(AutoAxisRange(-2.0, 1.5).max, 2.1);
    EXPECT_DOUBLE_EQ(AutoAxisRange(-1.0, 3.0).min, -3.15);
    EXPECT_DOUBLE_EQ(AutoAxisRange(-1.0, 3.0).max, 3.15);
}

TEST(AutoAxisRange, DegenerateExtentsAreMadeDrawable) {
    EXPECT_EQ(AutoAxisRange(0, 0), (AxisRange{0, 0}));
    // One common negative value gives an inverted range.
    const AxisRange inverted = AutoAxisRange(-2.0, -2.0);
    EXPECT_GT(inverted.min, inverted.max);
    EXPECT_EQ(DrawableRange(inverted), (AxisRange{inverted.max, inverted.min}));
    EXPECT_EQ(DrawableRange(AxisRange{0, 0}), (AxisRange{-1, 1}));
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(DrawableRange(AxisRange{-inf, inf}), (AxisRange{-1, 1}));
    EXPECT_EQ(DrawableRange(AxisRange{-2.1, 2.1}), (AxisRange{-2.1, 2.1}));
}

TEST(CoordinateExtent, ReadsEveryIonAndNothingOfAnEmptySet) {
    ParticleSet set = SetOf({Ion(-2e7, 0, 1, 0, 0), Ion(1e7, 0, 1, 0, 0), Ion(1.5e7, 0, 1, 0, 0)});
    set.records[1].accepted = 0;
    const Extent e = CoordinateExtent(set, SourceKind::TransmitTxt, PhaseCoordinate::Y);
    EXPECT_DOUBLE_EQ(e.lo, -2.0);
    EXPECT_DOUBLE_EQ(e.hi, 1.5);
    const Extent none = CoordinateExtent(ParticleSet{}, SourceKind::TransmitTxt, PhaseCoordinate::Zp);
    EXPECT_EQ(none.lo, 0.0);
    EXPECT_EQ(none.hi, 0.0);
}

TEST(PlanEmittanceAxes, FixedScaleIgnoresTheDataAndEmptyScaleIsAutomatic) {
    const ParticleSet set = SetOf({Ion(-2e7, 0, 1, 0.001, 0), Ion(1.5e7, 0, 1, -0.003, 0)});
    const auto result = PlanEmittanceAxes(EmittanceMode::Horizontal, "0.5", "", set, SourceKind::TransmitTxt);
    ASSERT_TRUE(std::holds_alternative<EmittanceAxes>(result));
    const EmittanceAxes axes = std::get<EmittanceAxes>(result);
    EXPECT_EQ(axes.bottom, (AxisRange{-0.5, 0.5}));
    EXPECT_DOUBLE_EQ(axes.left.min, -3.15);
    EXPECT_DOUBLE_EQ(axes.left.max, 3.15);
}

TEST(PlanEmittanceAxes, RefusesScalesInAxisOrder) {
    const ParticleSet set = SetOf({Ion(0, 0, 1, 0, 0)});
    const SourceKind k = SourceKind::TransmitTxt;
    for (const char* bad : {"0", "-1", "abc"})
        EXPECT_EQ(MessageOf(PlanEmittanceAxes(EmittanceMode::Horizontal, bad, "", set, k)),
                  "Value  Scale Y must be real number > 0");
    EXPECT_EQ(MessageOf(PlanEmittanceAxes(EmittanceMode::Horizontal, "x", "y", set, k)),
              "Value  Scale Y must be real number > 0");
    EXPECT_EQ(MessageOf(PlanEmittanceAxes(EmittanceMode::Horizontal, "1", "0", set, k)),
              "Value  Scale dY/dX must be real number > 0");
    EXPECT_EQ(MessageOf(PlanEmittanceAxes(EmittanceMode::Vertical, "1", "-2", set, k)),
              "Value  Scale dZ/dX must be real number > 0");
    EXPECT_EQ(MessageOf(PlanEmittanceAxes(EmittanceMode::Vertical, "q", "1", set, k)),
              "Value  Scale Z must be real number > 0");
    EXPECT_EQ(MessageOf(PlanEmittanceAxes(EmittanceMode::RealSpace, "1", "0", set, k)),
              "Value  Scale Z must be real number > 0");
    EXPECT_EQ(MessageOf(PlanEmittanceAxes(EmittanceMode::RealSpace, "1", "1", set, SourceKind::None)),
              "No data available! Open a file please.");
}

TEST(PlanEmittanceAxes, RealSpacePutsZOnTheLeftAxis) {
    const ParticleSet set = SetOf({Ion(1e7, -4e7, 1, 0, 0), Ion(0, 1e7, 1, 0, 0)});
    const auto axes =
        std::get<EmittanceAxes>(PlanEmittanceAxes(EmittanceMode::RealSpace, "", "", set, SourceKind::WinAgile));
    EXPECT_DOUBLE_EQ(axes.left.min, -4.2);
    EXPECT_DOUBLE_EQ(axes.left.max, 4.2);
    EXPECT_STREQ(PlotOf(EmittanceMode::RealSpace).leftTitle, "Z [mm]");
    EXPECT_STREQ(PlotOf(EmittanceMode::Vertical).bottomTitle, "Z [mm]");
    EXPECT_STREQ(PlotOf(EmittanceMode::Vertical).leftTitle, "dZ/dX [mrad]");
}

TEST(PhaseSpace, PlotPointsMatchTheTableValuesToTheLastBits) {
    const ParticleRecord r = Ion(12345.678, -98765.4321, 0.8, 0.36, 0.48);
    for (bool slopes : {false, true}) {
        const PhasePoint table = PhasePointOf(r, slopes);
        const PhasePoint plot = PlotPointOf(r, slopes);
        EXPECT_DOUBLE_EQ(table.y, plot.y);
        EXPECT_DOUBLE_EQ(table.zp, plot.zp);
    }
    EXPECT_DOUBLE_EQ(PhasePointOf(r, false).yp, 450.0);
    EXPECT_DOUBLE_EQ(PhasePointOf(r, true).yp, 360.0);
}

}  // namespace
}  // namespace zelkor
