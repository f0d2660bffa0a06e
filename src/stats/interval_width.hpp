#pragma once

#include "data/message.hpp"
#include "stats/checked.hpp"
#include "stats/histogram_view.hpp"
#include "state/stat_page.hpp"

#include <string_view>

namespace zelkor {

// The text of the "Range of Interval" edit: empty, or not a number > 0, is
// refused; its size is judged later by the interval count.
Checked<double> ValidateIntervalWidth(std::string_view text);

// The width exceeds the range length: no interval fits.
Message WidthTooHighMessage(StatPage page, HistogramView view);
// The interval count is outside 1..1001; shown whole, however large.
Message IntervalCountTooLowMessage(StatPage page, HistogramView view, double intervalCount);
// "Number of intervals: %d", to be answered with OK or Cancel.
Message IntervalCountConfirmation(int intervalCount);

}  // namespace zelkor
