#include "stats/page_description.hpp"

namespace zelkor {
namespace {

constexpr std::string_view kUpper = "Value Range of interval";
constexpr std::string_view kLower = "Value range of interval";

constexpr std::array<PageDescription, kStatPageCount> kPages = {{
    {
        .page = StatPage::Energy,
        .reportFormat = ExponentFormat(6),
        .defaultWidthFormat = ExponentFormat(6),
        .intervalFormat = ExponentFormat(3),
        .barLabelFormat = ExponentFormat(2),
        .graphZoomWording = MultiplierWording::EnergyGraph,
        .widthTooHighSubject = {kUpper, kUpper},
        .countTooLowSubject = {kUpper, kUpper},
    },
    {
        .page = StatPage::Momentum,
        .reportFormat = ExponentFormat(6),
        .defaultWidthFormat = ExponentFormat(6),
        .intervalFormat = ExponentFormat(3),
        .barLabelFormat = ExponentFormat(3),
        .graphZoomWording = MultiplierWording::Standard,
        .widthTooHighSubject = {kUpper, kUpper},
        .countTooLowSubject = {kUpper, kUpper},
    },
    {
        .page = StatPage::Position,
        .reportFormat = ExponentFormat(6),
        .defaultWidthFormat = ExponentFormat(6),
        .intervalFormat = ExponentFormat(3),
        .barLabelFormat = ExponentFormat(2),
        .graphZoomWording = MultiplierWording::Standard,
        .widthTooHighSubject = {kUpper, kLower},
        .countTooLowSubject = {kUpper, kLower},
    },
    {
        .page = StatPage::Angle,
        .reportFormat = FixedFormat(10),
        .defaultWidthFormat = FixedFormat(12),
        .intervalFormat = FixedFormat(3),
        .barLabelFormat = FixedFormat(2),
        .graphZoomWording = MultiplierWording::Standard,
        .widthTooHighSubject = {kUpper, kUpper},
        .countTooLowSubject = {kLower, kLower},
    },
}};

}  // namespace

const PageDescription& DescribePage(StatPage page) {
    const auto index = static_cast<std::size_t>(page);
    return kPages[index < kPages.size() ? index : 0];
}

}  // namespace zelkor
