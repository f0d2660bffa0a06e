#include "stats/prepare_histogram.hpp"

#include "stats/availability.hpp"
#include "stats/display_range.hpp"
#include "stats/interval_width.hpp"
#include "stats/page_description.hpp"
#include "stats/sigma_multiplier.hpp"
#include "stats/value_column.hpp"

namespace zelkor {

Checked<Histogram> PrepareHistogram(const AppState& state, ParticleSet& set, StatPage page, HistogramView view,
                                    std::string_view widthText, std::string_view zoomText, Progress& progress) {
    // The flags and the range read one evaluation of the quantity.
    const ReuseColumns reuse;
    using Result = Checked<Histogram>;
    if (auto refusal = CheckAvailability(page, state, set)) return Result::Refused(*refusal);
    const Checked<double> width = ValidateIntervalWidth(widthText);
    if (!width.ok()) return Result::Refused(*width.refusal);
    double n = 0.0;
    if (state.displayModeOf(page) == DisplayMode::Zoom) {
        const MultiplierWording wording =
            view == HistogramView::Graph ? DescribePage(page).graphZoomWording : MultiplierWording::Standard;
        const Checked<double> zoom = ValidateSigmaMultiplier(zoomText, wording);
        if (!zoom.ok()) return Result::Refused(*zoom.refusal);
        n = *zoom.value;
    }
    RefreshAcceptedFlags(state, set, page, progress);
    const DisplayRange range = ComputeDisplayRange(state, set, page, n, progress);
    IntervalPlanning planning = PlanIntervals(range, *width.value);
    switch (planning.status) {
        case PlanStatus::WidthTooHigh: return Result::Refused(WidthTooHighMessage(page, view));
        case PlanStatus::CountTooLow:
            return Result::Refused(IntervalCountTooLowMessage(page, view, planning.plannedCount));
        case PlanStatus::Ok: break;
    }
    return Result::Ok(std::move(planning.histogram));
}

}  // namespace zelkor
