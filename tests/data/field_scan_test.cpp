#include "data/field_scan.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

namespace zelkor {
namespace {

double ReadOne(const std::string& text, bool& ok) {
    FieldScanner fields(text);
    double value = 0.0;
    ok = fields.readReal(value) && fields.atLineEnd();
    return value;
}

// Bits compared, so that -0.0 and 0.0 differ.
void ExpectSameAsStrtod(const std::string& text) {
    bool ok = false;
    const double ours = ReadOne(text, ok);
    const double library = std::strtod(text.c_str(), nullptr);
    ASSERT_TRUE(ok) << text;
    EXPECT_EQ(std::memcmp(&ours, &library, sizeof ours), 0) << text << ": " << ours << " vs " << library;
}

TEST(FieldScan, ReadsAsTheCLibraryDoes) {
    for (const char* text : {".5021068E+07", "1128014E-01", "-.0623602", "-.0", "0", "+1.5", "7694201E+00", "1e22",
                             "1e23", "123456789012345678901234", "4.9406564584124654e-324", "-2.5000000000E+00",
                             "9007199254740993", "0.1", "1.7976931348623157e308", "  .9990612"})
        ExpectSameAsStrtod(text);
}

TEST(FieldScan, RandomValuesInEveryWrittenFormatReadBackExactly) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    char text[64];
    for (int i = 0; i < 20000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        for (const char* format : {"%.6E", "%.10E", "%.10f", "%.7E", "%.17g", "%.4E"}) {
            std::snprintf(text, sizeof text, format, value);
            ExpectSameAsStrtod(text);
        }
    }
}

TEST(FieldScan, CommaIsTheDecimalSeparator) {
    bool ok = false;
    EXPECT_EQ(ReadOne(",5021068E+07", ok), 5021068.0);
    EXPECT_TRUE(ok);
    EXPECT_EQ(ReadOne("-,0623602", ok), -0.0623602);
    EXPECT_TRUE(ok);
    EXPECT_EQ(ReadOne("1,25", ok), 1.25);
    EXPECT_TRUE(ok);
    EXPECT_EQ(ReadOne("5,021068E+06", ok), 5021068.0);
    EXPECT_TRUE(ok);
}

TEST(FieldScan, RejectsWhatIsNotANumber) {
    for (const char* text : {"", " ", "-", ".", "E+07", "abc", "+-1", "--1"}) {
        bool ok = true;
        ReadOne(text, ok);
        EXPECT_FALSE(ok) << '"' << text << '"';
    }
    // The number ends where the digits end; what follows is left over.
    bool ok = true;
    ReadOne("1.5x", ok);
    EXPECT_FALSE(ok);
}

TEST(FieldScan, AFieldMustConvertWholeAndFinite) {
    // Longer than any conversion buffer: converted whole, never cut into two fields.
    const std::string longNumber = "1" + std::string(129, '0');
    const std::string line = longNumber + " 2";
    FieldScanner fields(line);
    double value = 0.0, next = 0.0;
    ASSERT_TRUE(fields.readReal(value) && fields.readReal(next));
    EXPECT_EQ(value, 1e129);
    EXPECT_EQ(next, 2.0);
    bool ok = true;
    ReadOne(longNumber + "x", ok);
    EXPECT_FALSE(ok);
    for (const char* text : {"inf", "-inf", "nan", "infinity", "1E+400", "-1.0E+309"}) {
        ReadOne(text, ok);
        EXPECT_FALSE(ok) << text;
    }
    int whole = 0;
    FieldScanner half("12.5");
    EXPECT_FALSE(half.readInt(whole));
}

TEST(FieldScan, IntegersAndTypeLetter) {
    FieldScanner fields("T10000  1 -7");
    char type = 0;
    int number = 0, z = 0, last = 0;
    ASSERT_TRUE(fields.readChar(type) && fields.readInt(number) && fields.readInt(z) && fields.readInt(last));
    EXPECT_EQ(type, 'T');
    EXPECT_EQ(number, 10000);
    EXPECT_EQ(z, 1);
    EXPECT_EQ(last, -7);
    EXPECT_TRUE(fields.atLineEnd());

    int big = 0;
    FieldScanner overflow("99999999999");
    EXPECT_FALSE(overflow.readInt(big));
}

}  // namespace
}  // namespace zelkor
