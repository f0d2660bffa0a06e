// The program's printf conversions against the C library's printf, on the
// branch this build formats with (std::to_chars, or the portable one).

#include "io/printf_format.hpp"
#include "support/c_printf.hpp"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace zelkor {
namespace {

std::vector<double> Values() {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  2.5,
                                  0.5,
                                  1e-5,
                                  1e-4,
                                  123456.0,
                                  1234567.0,
                                  0.0001,
                                  1e15,
                                  1e16,
                                  1e17,
                                  1e300,
                                  1e-300,
                                  4.9e-324,
                                  99999.95,
                                  999999.5,
                                  0.00001234,
                                  5e-5,
                                  std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()};
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> logMagnitude(-20.0, 20.0);
    for (int i = 0; i < 3000; ++i) values.push_back(std::pow(10.0, logMagnitude(random)));
    const std::size_t count = values.size();
    for (std::size_t i = 0; i < count; ++i) values.push_back(-values[i]);
    return values;
}

TEST(PrintfFormatTest, ProgramConversionsMatchTheCLibrary) {
    const char* formats[] = {"%lE",        "%.7lE",           "%.10lE",  "%.3lE", "%.7lf",   "%.0f",   "%g",
                             "%g x sigma", "beta(Y) = %lE m", "%G",      "%.3g",  "%e",      "%12.4E", "%-12.4E|",
                             "%+.2f",      "% .2e",           "%012.3f", "%.0g",  "%%%.1f%%"};
    for (const double value : Values()) {
        if (!test::HasPrintfReference(value)) continue;
        for (const char* format : formats)
            ASSERT_EQ(FormatDouble(format, value), test::CPrintf(format, value))
                << format << " " << std::hexfloat << value;
    }
}

TEST(PrintfFormatTest, NanKeepsItsSignOnEveryPlatform) {
    const double negativeNan = -std::numeric_limits<double>::quiet_NaN();
    ASSERT_TRUE(std::signbit(negativeNan));
    EXPECT_EQ(FormatDouble("%lE", negativeNan), "-NAN");
    EXPECT_EQ(FormatDouble("%12.4E|", negativeNan), "        -NAN|");
    EXPECT_EQ(FormatDouble("%-6g|", negativeNan), "-nan  |");
    char buffer[kMaxNumberChars];
    EXPECT_EQ(std::string(buffer, AppendFixed(buffer, negativeNan, 7)), "-nan");
    EXPECT_EQ(std::string(buffer, AppendExponent(buffer, negativeNan, 7)), "-NAN");
}

TEST(PrintfFormatTest, ShortestTextIsStdToChars) {
    std::vector<double> values = Values();
    for (const double exact : {100.0, 1e22, 123456789012345680000.0, 0.001, 1.5e-3, 12345678901234567.0, 5e-324})
        values.push_back(exact);
    for (const double value : values) {
        char buffer[64];
        ASSERT_EQ(FormatShortest(value), std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr))
            << std::hexfloat << value;
    }
}

TEST(PrintfFormatTest, WholeNumbers) {
    for (const int value : {0, 7, -7, 123456, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
        for (const char* format : {"%d", "%5d", "%-5d|", "%+d", "%05d", "ion %d of"})
            EXPECT_EQ(FormatInt(format, value), test::CPrintf(format, value)) << format << " " << value;
}

}  // namespace
}  // namespace zelkor
