// Preview's column widths come from the widest text the loaded set gives.
#include "tables/data_grid_columns.hpp"

#include <gtest/gtest.h>

namespace zelkor::test {
namespace {

ParticleSet SetOf(std::initializer_list<double> energies) {
    ParticleSet set(static_cast<int>(energies.size()) + 1);
    int i = 1;
    for (double energy : energies) set.records[static_cast<std::size_t>(i++)].energy = energy;
    set.count = static_cast<int>(energies.size());
    return set;
}

TEST(WidestDataCell, SignsAndLongExponentsOnlyWhereTheSetHasThem) {
    const auto columns = DataColumnsFor(SourceKind::TransmitTxt);
    const DataColumn& index = columns[0];
    const DataColumn& energy = columns[1];
    const DataColumn& cosine = columns[5];
    EXPECT_EQ(WidestDataCell(energy, SetOf({1e6, 2e3})), "8.888888E+88");
    EXPECT_EQ(WidestDataCell(energy, SetOf({1e6, -2e3})), "-8.888888E+88");
    EXPECT_EQ(WidestDataCell(energy, SetOf({1e-120})), "8.888888E+888");
    EXPECT_EQ(WidestDataCell(cosine, SetOf({1.0})), "8.8888888");
    ParticleSet many(1000001);
    many.count = 1000000;
    EXPECT_EQ(WidestDataCell(index, many), "8888888");
    // A point file's dp/p is shown in percent: the scale counts.
    const DataColumn& dpp = DataColumnsFor(SourceKind::WinAgile)[5];
    ParticleSet point(2);
    point.count = 1;
    point.records[1].momentum = -1e-99;
    EXPECT_EQ(WidestDataCell(dpp, point), "-8.8888888888E+88");
}

}  // namespace
}  // namespace zelkor::test
