#include "stats/interval_width.hpp"

#include "data/user_number.hpp"
#include "io/printf_format.hpp"
#include "stats/page_description.hpp"

#include <string>

namespace zelkor {
namespace {

constexpr const char* kIntervalLimits = "\nNumber of intervals must be >= 1 and <= 1001";

std::size_t ViewIndex(HistogramView view) { return static_cast<std::size_t>(view); }

}  // namespace

Checked<double> ValidateIntervalWidth(std::string_view text) {
    if (text.empty()) return Checked<double>::Refused(ErrorMessage("Missing value Range of interval"));
    const std::optional<double> w = ParseUserReal(text);
    if (!w || *w <= 0.0)
        return Checked<double>::Refused(ErrorMessage("Value Range of interval must be real number > 0"));
    return Checked<double>::Ok(*w);
}

Message WidthTooHighMessage(StatPage page, HistogramView view) {
    const std::string subject(DescribePage(page).widthTooHighSubject[ViewIndex(view)]);
    return WarningMessage(subject + " is too high\nNumber of intervals is: < 1" + kIntervalLimits);
}

Message IntervalCountTooLowMessage(StatPage page, HistogramView view, double intervalCount) {
    const std::string subject(DescribePage(page).countTooLowSubject[ViewIndex(view)]);
    // A whole number of any size, never a wrapped int.
    const std::string count = FormatDouble("%.0f", intervalCount);
    return WarningMessage(subject + " is too low\nNumber of intervals is: " + count + kIntervalLimits);
}

Message IntervalCountConfirmation(int intervalCount) {
    return {"Number of intervals: " + std::to_string(intervalCount), "Number of intervals", MessageIcon::Information};
}

}  // namespace zelkor
