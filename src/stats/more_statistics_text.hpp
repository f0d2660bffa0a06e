#pragma once

#include "stats/more_statistics.hpp"
#include "state/quantity_id.hpp"
#include "state/stat_page.hpp"

#include <array>
#include <string>

namespace zelkor {

inline constexpr const char* kUndefinedText = "undefined";

// The six rows of the "More statistics" box, numbers in the page's report
// format, "undefined" for a figure without a value.
using MoreStatisticsRows = std::array<std::string, 6>;
MoreStatisticsRows BuildMoreStatisticsRows(StatPage page, const MoreStatistics& more, QuantityId quantity,
                                           int unitCode);

// How the FWHM is read, for the box's tooltip.
inline constexpr const char* kFwhmMethodText =
    "Width between the half-maximum crossings of the histogram at the current Range of Interval "
    "(the default width when the edit is empty), interpolated linearly between interval centres";

}  // namespace zelkor
