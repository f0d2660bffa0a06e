#pragma once

#include "state/stat_page.hpp"
#include "stats/histogram_view.hpp"
#include "stats/number_format.hpp"
#include "stats/sigma_multiplier.hpp"

#include <array>
#include <string_view>

namespace zelkor {

// What the core does differently on the four statistics pages, so that an
// operation reads it instead of branching on the page: the number formats of
// the texts it makes and the wording of its messages. (How the pages'
// windows look is the windows' own business, in stats/ui.)
struct PageDescription {
    StatPage page = StatPage::Energy;
    NumberFormat reportFormat;        // the analysis window's rows
    NumberFormat defaultWidthFormat;  // what "Default" writes into the interval-width edit
    NumberFormat intervalFormat;      // the histogram table's interval edges
    NumberFormat barLabelFormat;      // the histogram graph's interval centres
    MultiplierWording graphZoomWording = MultiplierWording::Standard;
    std::array<std::string_view, 2> widthTooHighSubject;  // indexed by HistogramView
    std::array<std::string_view, 2> countTooLowSubject;
};

const PageDescription& DescribePage(StatPage page);

}  // namespace zelkor
