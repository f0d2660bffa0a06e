#include "relativity/element_entry.hpp"

#include <gtest/gtest.h>

#include <set>

namespace zelkor {
namespace {

TEST(ElementTable, NinetyTwoElementsInOrderOfZ) {
    std::set<std::pair<int, int>> places;
    std::set<std::string_view> symbols;
    for (std::size_t i = 0; i < kElements.size(); ++i) {
        const ElementEntry& e = kElements[i];
        EXPECT_EQ(e.Z, static_cast<int>(i) + 1);
        EXPECT_TRUE(places.insert({e.row, e.column}).second) << e.symbol;
        EXPECT_TRUE(symbols.insert(e.symbol).second) << e.symbol;
        EXPECT_GE(e.column, 1);
        EXPECT_LE(e.column, 18);
        EXPECT_GE(e.A, e.Z);
    }
    EXPECT_EQ(kElements.front().button, "btnHydrogenium");
    EXPECT_EQ(kElements.back().button, "btnUran");
}

TEST(ElementTable, FBlockRowsStandApart) {
    EXPECT_EQ(FindElement("La")->row, kLanthanoidRow);
    EXPECT_EQ(FindElement("La")->column, 4);
    EXPECT_EQ(FindElement("Lu")->column, 18);
    EXPECT_EQ(FindElement("Hf")->row, 6);
    EXPECT_EQ(FindElement("U")->row, kActinoidRow);
    EXPECT_EQ(FindElement("Ra")->row, 7);
    EXPECT_EQ(FindElement("Xx"), nullptr);
    EXPECT_EQ(FindElement("h"), nullptr);
}

TEST(ElementTable, TooltipOfHydrogen) {
    EXPECT_EQ(ElementTooltip(*FindElement("H")), "H (Hydrogenium)\r\nA = 1, Z = 1\r\namu = 1.00727646688\r\nn = 1");
}

TEST(ElementTable, MassesAreCopiedVerbatim) {
    EXPECT_EQ(FindElement("Zn")->amu, "63.91268740");
    EXPECT_EQ(FindElement("Br")->amu, "78.89913580");
    for (const ElementEntry& e : kElements) {
        const std::string tip = ElementTooltip(e);
        EXPECT_NE(tip.find("\r\namu = " + std::string(e.amu) + "\r\n"), std::string::npos);
        EXPECT_EQ(FieldTextsOf(e).amu, e.amu);
    }
}

TEST(ElementTable, PickingFillsTheCallingWindowsFields) {
    const ElementFieldTexts he = FieldTextsOf(*FindElement("He"));
    EXPECT_EQ(he.A, "4");
    EXPECT_EQ(he.amu, "4.00150608");
    EXPECT_EQ(he.n, "2");
    EXPECT_EQ(he.atomicNumber, "2");
}

}  // namespace
}  // namespace zelkor
