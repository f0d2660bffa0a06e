#include "io/decimal_fast_path.hpp"

#include "io/printf_format.hpp"
#include "support/c_printf.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace zelkor {
namespace {

// Compares the fast paths, the general functions and FormatDouble with the
// C library's printf for one value.
void ExpectSameAsPrintf(double value, int precision) {
    if (!test::HasPrintfReference(value)) return;
    char buffer[kMaxNumberChars];
    const std::string eFormat = "%." + std::to_string(precision) + "E";
    const std::string fFormat = "%." + std::to_string(precision) + "f";
    const std::string e = test::CPrintf(eFormat.c_str(), value);
    const std::string f = test::CPrintf(fFormat.c_str(), value);
    ASSERT_EQ(std::string(buffer, AppendExponentFast(buffer, value, precision)), e)
        << std::hexfloat << value << " precision " << precision;
    ASSERT_EQ(std::string(buffer, AppendFixedFast(buffer, value, precision)), f)
        << std::hexfloat << value << " precision " << precision;
    ASSERT_EQ(std::string(buffer, AppendExponent(buffer, value, precision)), e) << std::hexfloat << value;
    ASSERT_EQ(std::string(buffer, AppendFixed(buffer, value, precision)), f) << std::hexfloat << value;
    ASSERT_EQ(FormatDouble(eFormat.c_str(), value), e) << std::hexfloat << value;
}

void ExpectSameAsPrintf(const std::vector<double>& values) {
    for (const double v : values)
        for (const int precision : {0, 1, 6, 10, 17}) {
            ExpectSameAsPrintf(v, precision);
            ExpectSameAsPrintf(-v, precision);
        }
}

TEST(DecimalFastPathTest, SpecialValuesAndBoundaries) {
    ExpectSameAsPrintf({0.0,
                        1.0,
                        0.5,
                        2.5,
                        0.25,
                        0.125,
                        1e-10,
                        5e-11,
                        1.5e-10,
                        0.99999999995,
                        9.9999995e5,
                        999999.5,
                        9.99999999995,
                        1e19,
                        1.8446744073709552e19,
                        4503599627370496.0,
                        4503599627370495.5,
                        1e22,
                        1e23,
                        1e100,
                        1e-300,
                        4.9e-324,
                        2.2250738585072014e-308,
                        std::numeric_limits<double>::max(),
                        std::numeric_limits<double>::infinity(),
                        std::numeric_limits<double>::quiet_NaN()});
}

TEST(DecimalFastPathTest, ExactTiesRoundToEven) {
    std::vector<double> ties;
    for (int numerator = 1; numerator < 400; numerator += 2)
        for (int power = 1; power <= 30; ++power) ties.push_back(std::ldexp(numerator, -power));
    for (int n = 5; n < 100000; n += 10) ties.push_back(n);  // 5, 15, ... tie at precision 0 of %E
    ExpectSameAsPrintf(ties);
}

TEST(DecimalFastPathTest, RandomValuesOfEveryMagnitude) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> logMagnitude(-25.0, 25.0);
    std::vector<double> values;
    for (int i = 0; i < 40000; ++i) values.push_back(std::pow(10.0, logMagnitude(random)));
    for (int i = 0; i < 10000; ++i) values.push_back(std::abs(std::bit_cast<double>(random())));
    ExpectSameAsPrintf(values);
}

TEST(DecimalFastPathTest, ValuesNextToRoundingBoundaries) {
    std::vector<double> values;
    for (int digits = 1; digits <= 12; ++digits)
        for (int exponent = -12; exponent <= 12; ++exponent) {
            const double boundary = (std::pow(10.0, digits) - 0.5) * std::pow(10.0, exponent - digits);
            double v = boundary;
            for (int step = 0; step < 3; ++step) v = std::nextafter(v, 0.0);
            for (int step = 0; step < 6; ++step, v = std::nextafter(v, 1e300)) values.push_back(v);
        }
    ExpectSameAsPrintf(values);
}

}  // namespace
}  // namespace zelkor
