#include "data/parse_double.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace zelkor {
namespace {

// The end of the number (as an offset), or -1 when refused.
long Parse(const std::string& text, double& value) {
    const char* end = ParseDouble(text.data(), text.data() + text.size(), value);
    return end == nullptr ? -1 : end - text.data();
}

TEST(ParseDoubleTest, OutOfRangeIsRefusedAsStdFromCharsRefusesIt) {
    double value = 7.0;
    for (const char* refused : {"1e400", "-1e400", "1e-400", "-2.4703282292062327e-324", "", "-", "e5", "+1", "x"})
        EXPECT_EQ(Parse(refused, value), -1) << refused;
    EXPECT_EQ(value, 7.0) << "a refused text leaves the value alone";
    // Zero written as zero, the smallest subnormal and the words stay numbers.
    EXPECT_EQ(Parse("0e-999", value), 6);
    EXPECT_EQ(value, 0.0);
    EXPECT_EQ(Parse("2.4703282292062328e-324", value), 23);
    EXPECT_EQ(value, 4.9406564584124654e-324);
    EXPECT_EQ(Parse("-inf", value), 4);
    EXPECT_TRUE(std::isinf(value));
    EXPECT_EQ(Parse("nan", value), 3);
    EXPECT_TRUE(std::isnan(value));
}

TEST(ParseDoubleTest, StopsWhereTheNumberEnds) {
    double value = 0.0;
    EXPECT_EQ(Parse(".5021068E+07 rest", value), 12);
    EXPECT_EQ(value, 5021068.0);
    EXPECT_EQ(Parse("1128014E-01x", value), 11);
    EXPECT_EQ(value, 112801.4);
    EXPECT_EQ(Parse("1.5e", value), 3) << "an exponent without digits is not part of the number";
}

}  // namespace
}  // namespace zelkor
