#include "stats/page_description.hpp"

namespace zelkor {
namespace {

constexpr Rgb kSkyBlue{166, 202, 240};
constexpr Rgb kMoneyGreen{192, 220, 192};
constexpr std::string_view kUpper = "Value Range of interval";
constexpr std::string_view kLower = "Value range of interval";

constexpr std::array<PageDescription, kStatPageCount> kPages = {{
    {
        StatPage::Energy, 'E', "Energy Statistics", QuantityId::KinEnerg, "Range of Interval [eV]",
        "TEnAnalys", "Energy Analysis", "strgEnAnalys", "lblStatusEnA", "lblParRejectEnA",
        "btnCloseEnA", "btnOkEnA", "btnCancelEnA", kSkyBlue, ExponentFormat(6),
        ExponentFormat(6),
        "strgEnData", {80, 187, 120}, 50, kSkyBlue, ExponentFormat(3),
        "graphE", "Series1", {255, 0, 0}, {255, 255, 81}, ExponentFormat(2), "###0.###", "###0.##", true,
        MultiplierWording::EnergyGraph, {kUpper, kUpper}, {kUpper, kUpper},
    },
    {
        StatPage::Momentum, 'M', "Momentum Statistics", QuantityId::Mom, "Range of Interval [eV/c]",
        "TMomAnalys", "Momentum Analysis", "strgMomAnalys", "lblStatusMoA", "lblParRejectMoA",
        "btnCloseMoA", "btnOkMoA", "btnCancelMoA", kMoneyGreen, ExponentFormat(6),
        ExponentFormat(6),
        "strgMoData", {67, 207, 113}, 30, kMoneyGreen, ExponentFormat(3),
        "graphM", "Series2", {128, 0, 255}, {255, 211, 81}, ExponentFormat(3), "###0.##", "###0.##", false,
        MultiplierWording::Standard, {kUpper, kUpper}, {kUpper, kUpper},
    },
    {
        StatPage::Position, 'P', "Position Statistics", QuantityId::PosY, "Range of Interval [A]",
        "TPosAnalys", "PosAnalys", "strgPoAnalys", "lblStatusPoA", "lblParRejectPoA",
        "btnClosePoA", "btnOkPoA", "btnCancelPoA", kSkyBlue, ExponentFormat(6),
        ExponentFormat(6),
        "strgPoData", {80, 187, 120}, 50, kSkyBlue, ExponentFormat(3),
        "graphP", "Series4", {0, 255, 0}, {255, 169, 83}, ExponentFormat(2), "###0.##", "###0.##", true,
        MultiplierWording::Standard, {kUpper, kLower}, {kUpper, kLower},
    },
    {
        StatPage::Angle, 'A', "Angle Statistics", QuantityId::AngX, "Range of Interval [deg]",
        "TAngAnalys", "Angles Analysis", "strgAnAnalys", "lblStatusAnA", "lblParRejectAnA",
        "btnCloseAnA", "btnOkAnA", "btnCancelAnA", kMoneyGreen, FixedFormat(10),
        FixedFormat(12),
        "strgAnData", {80, 187, 120}, 50, kMoneyGreen, FixedFormat(3),
        "graphA", "Series3", {0, 0, 255}, {255, 154, 94}, FixedFormat(2), "###0.##", "###0.##", true,
        MultiplierWording::Standard, {kUpper, kUpper}, {kLower, kLower},
    },
}};

} // namespace

const PageDescription& DescribePage(StatPage page) {
    const auto index = static_cast<std::size_t>(page);
    return kPages[index < kPages.size() ? index : 0];
}

} // namespace zelkor
