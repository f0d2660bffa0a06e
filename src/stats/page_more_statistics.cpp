#include "stats/page_more_statistics.hpp"

#include "stats/display_range.hpp"
#include "stats/interval_width.hpp"
#include "stats/page_quantity.hpp"

namespace zelkor {

Checked<Histogram> PlanFwhmHistogram(StatPage page, const StatSummary& summary, std::string_view widthText) {
    using Result = Checked<Histogram>;
    const DisplayRange range = SymmetricRange(summary.min, summary.max, summary.mean);
    if (widthText.empty()) {
        IntervalPlanning planning = PlanIntervals(range, DefaultIntervalWidth(range));
        if (planning.status != PlanStatus::Ok) return Result::Ok(Histogram{});
        return Result::Ok(std::move(planning.histogram));
    }
    const Checked<double> width = ValidateIntervalWidth(widthText);
    if (!width.ok()) return Result::Refused(*width.refusal);
    IntervalPlanning planning = PlanIntervals(range, *width.value);
    switch (planning.status) {
        case PlanStatus::WidthTooHigh: return Result::Refused(WidthTooHighMessage(page, HistogramView::Table));
        case PlanStatus::CountTooLow:
            return Result::Refused(IntervalCountTooLowMessage(page, HistogramView::Table, planning.plannedCount));
        case PlanStatus::Ok: break;
    }
    return Result::Ok(std::move(planning.histogram));
}

Checked<MoreStatistics> MoreStatisticsFor(const AppState& state, const ParticleSet& set, StatPage page, StatScope scope,
                                          const StatSummary& summary, std::string_view widthText, Progress& progress) {
    Checked<Histogram> plan = PlanFwhmHistogram(page, summary, widthText);
    if (!plan.ok()) return Checked<MoreStatistics>::Refused(*plan.refusal);
    return Checked<MoreStatistics>::Ok(
        ComputeMoreStatistics(set, SelectionFor(state, page), scope, summary, std::move(*plan.value), progress));
}

}  // namespace zelkor
