#include "stats/report_text.hpp"

#include "io/printf_format.hpp"
#include "stats/page_description.hpp"
#include "stats/quantity.hpp"

namespace zelkor {
namespace {

std::string Label(QuantityId quantity, LabelSpelling spelling) {
    if (spelling == LabelSpelling::Compact) {
        if (quantity == QuantityId::PosabsY) return "|Y|";
        if (quantity == QuantityId::PosabsZ) return "|Z|";
    }
    return std::string(RowLabel(quantity));
}

}  // namespace

ReportRows BuildReportRows(StatPage page, const StatSummary& summary, QuantityId quantity, int unitCode,
                           LabelSpelling spelling) {
    const NumberFormat format = DescribePage(page).reportFormat;
    const std::string label = Label(quantity, spelling);
    const std::string unit = " " + std::string(UnitSymbol(quantity, unitCode));
    const auto row = [&](std::string head, double value, const std::string& tail) {
        AppendNumber(head, format, value);
        return head + tail;
    };
    return {
        row(label + "(min) = ", summary.min, unit),
        row(label + "(max) = ", summary.max, unit),
        row(label + "(str) = ", summary.mean, unit),
        row(label + "(max) - " + label + "(min) = ", summary.max - summary.min, unit),
        row("Dispersion = ", summary.dispersion, " " + SquaredUnit(quantity, unitCode)),
        row("sigma = ", summary.sigma, unit),
        row("3x sigma = ", 3 * summary.sigma, unit),
    };
}

std::string RejectionLine(int rejected, int count) {
    return "Number of particles rejected: " + std::to_string(rejected) + " of " + std::to_string(count);
}

std::string FilterStatusText(double multiplier) { return FormatDouble("%g x sigma", multiplier); }

}  // namespace zelkor
