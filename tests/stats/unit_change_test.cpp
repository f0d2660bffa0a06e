#include "stats/unit_change.hpp"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

TEST(UnitChange, WidthTextKeepsItsPhysicalWidthInThePagesDefaultFormat) {
    // nm (1) to mm (3): powers of ten keep every digit.
    EXPECT_EQ(ConvertedWidthText(QuantityId::PosY, 1, 3, "4.230426E+01"), "4.230426E-05");
    EXPECT_EQ(ConvertedWidthText(QuantityId::PosYZ, 4, 0, " 2,5 "), "2.500000E+10");
    EXPECT_EQ(ConvertedWidthText(QuantityId::Mom, 0, 2, "1500"), "1.500000E-03");
    // deg (0) to mrad (2) on the angle page, which writes "%.12lf".
    EXPECT_EQ(ConvertedWidthText(QuantityId::AngZ, 0, 2, "0.5"), "8.726646259972");
    EXPECT_EQ(ConvertedWidthText(QuantityId::dZdX, 1, 0, "12"), "0.012000000000");
    EXPECT_DOUBLE_EQ(ConvertUnit(QuantityId::AngX, 180.0, 0, 1), 3.141592653589793);

    // Not a number, or no change: the text stays; no finite value: emptied.
    EXPECT_EQ(ConvertedWidthText(QuantityId::PosY, 1, 3, "abc"), std::nullopt);
    EXPECT_EQ(ConvertedWidthText(QuantityId::PosY, 1, 3, ""), std::nullopt);
    EXPECT_EQ(ConvertedWidthText(QuantityId::KinEnerg, 2, 2, "7"), std::nullopt);
    EXPECT_EQ(ConvertedWidthText(QuantityId::PosY, 4, 0, "1e308"), "");
}

}  // namespace
}  // namespace zelkor
