#include "data/user_number.hpp"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

TEST(UserNumber, RealsAsUsersTypeThem) {
    EXPECT_EQ(ParseUserReal("2"), 2.0);
    EXPECT_EQ(ParseUserReal(" -1.5\t"), -1.5);
    EXPECT_EQ(ParseUserReal("+.5"), 0.5);
    EXPECT_EQ(ParseUserReal("1.188120E-01"), 0.118812);
    EXPECT_EQ(ParseUserReal("2,5"), 2.5);
    EXPECT_EQ(ParseUserReal("0"), 0.0);
    for (const char* refused : {"", " ", "abc", "1.5.2", "1,5.2", "2x", "inf", "nan", "1e999", "+-1", "++1", "1 2"})
        EXPECT_FALSE(ParseUserReal(refused).has_value()) << '"' << refused << '"';
}

TEST(UserNumber, WholeNumbersOnly) {
    EXPECT_EQ(ParseUserInt(" 12 "), 12);
    EXPECT_EQ(ParseUserInt("+3"), 3);
    EXPECT_EQ(ParseUserInt("-7"), -7);
    for (const char* refused : {"", "4.0", "4,0", "1e3", "99999999999", "x"})
        EXPECT_FALSE(ParseUserInt(refused).has_value()) << '"' << refused << '"';
}

}  // namespace
}  // namespace zelkor
