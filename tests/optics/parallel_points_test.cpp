// The emittance page measures and fills its points in runs on several
// threads; the results are those of one pass in index order.
#include "optics/axis_range.hpp"
#include "optics/plot_points.hpp"
#include "optics/transform_listing.hpp"
#include "support/particle_sets.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace zelkor {
namespace {

std::uint64_t Bits(double v) { return std::bit_cast<std::uint64_t>(v); }

Extent OnePass(const ParticleSet& set, PhaseCoordinate c) {
    const double first = PhasePointOf(set.record(1), false)[c];
    Extent e{first, first};
    for (int i = 2; i <= set.count; ++i) {
        const double v = PhasePointOf(set.record(i), false)[c];
        if (v < e.lo) e.lo = v;
        if (v > e.hi) e.hi = v;
    }
    return e;
}

TEST(ParallelPoints, ExtentsKeepNansAndZerosWhereOnePassDoes) {
    const test::ScopedPassThreads split(3, 4);
    ParticleSet set = test::AwkwardSet(24, 5);
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    // A nan at the start of a later run is never taken; -0 before 0 stays.
    set.record(9).y = nan;
    set.record(3).z = -0.0;
    set.record(20).z = 0.0;
    for (const PhaseCoordinate c : {PhaseCoordinate::Y, PhaseCoordinate::Yp, PhaseCoordinate::Z, PhaseCoordinate::Zp}) {
        const Extent parallel = CoordinateExtent(set, SourceKind::TransmitTxt, c);
        const Extent one = OnePass(set, c);
        EXPECT_EQ(Bits(parallel.lo), Bits(one.lo));
        EXPECT_EQ(Bits(parallel.hi), Bits(one.hi));
    }
    // A nan first of all stays the start of both ends, as in one pass.
    set.record(1).y = nan;
    EXPECT_TRUE(std::isnan(CoordinateExtent(set, SourceKind::TransmitTxt, PhaseCoordinate::Y).lo));
}

TEST(ParallelPoints, PlotPointsAreEveryIonsInOrder) {
    const test::ScopedPassThreads split(3, 5);
    const ParticleSet set = test::AwkwardSet(101, 8);
    const PlotPoints points = ComputePlotPoints(set, SourceKind::WinAgile, PhaseCoordinate::Zp, PhaseCoordinate::Y);
    ASSERT_EQ(points.keys.size(), 101u);
    for (int i = 1; i <= set.count; ++i) {
        const PhasePoint p = PlotPointOf(set.record(i), true);
        EXPECT_EQ(Bits(points.keys[static_cast<std::size_t>(i - 1)]), Bits(p.zp));
        EXPECT_EQ(Bits(points.values[static_cast<std::size_t>(i - 1)]), Bits(p.y));
    }
}

TEST(TransformListing, CopiedCellsAreTheCellsOfTheListing) {
    const ParticleSet set = test::AwkwardSet(60, 9);
    const TransferMatrix matrix{{{1.5, -0.25, 0, 0}, {0.1, 1, 0, 0}, {0, 0, 1, 2}, {0, 0, -0.5, 1}}};
    for (int i = 1; i <= set.count; ++i) {
        const TransformRow row = TransformOf(set.record(i), false, matrix);
        std::string expected;
        for (int c = 2; c <= 8; ++c) expected += TransformCell(i, row, c) + '\t';
        char cells[9 * 401];
        EXPECT_EQ(std::string(cells, AppendTransformCells(cells, i, row, 2, 8)), expected);
        EXPECT_EQ(std::string(cells, AppendTransformCells(cells, i, row, 0, 0)), std::to_string(i) + '\t');
    }
}

}  // namespace
}  // namespace zelkor
