#include "stats/more_statistics_text.hpp"

#include "stats/number_format.hpp"
#include "stats/page_description.hpp"
#include "stats/quantity.hpp"

namespace zelkor {

MoreStatisticsRows BuildMoreStatisticsRows(StatPage page, const MoreStatistics& more, QuantityId quantity,
                                           int unitCode) {
    const NumberFormat format = DescribePage(page).reportFormat;
    const std::string label(RowLabel(quantity));
    const std::string unit = " " + std::string(UnitSymbol(quantity, unitCode));
    const auto row = [&](std::string head, const std::optional<double>& value, const std::string& tail) {
        if (!value) return head + kUndefinedText;
        AppendNumber(head, format, *value);
        return head + tail;
    };
    return {
        row("Error of " + label + "(str) = ", more.meanError, unit),
        row("Error of sigma = ", more.sigmaError, unit),
        row(label + "(median) = ", more.median, unit),
        row("FWHM = ", more.fwhm, unit),
        row("Skewness = ", more.skewness, ""),
        row("Excess kurtosis = ", more.kurtosis, ""),
    };
}

}  // namespace zelkor
