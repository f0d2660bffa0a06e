#include "stats/default_width.hpp"

#include "stats/availability.hpp"
#include "stats/display_range.hpp"
#include "stats/page_description.hpp"
#include "stats/sigma_multiplier.hpp"
#include "stats/value_column.hpp"

namespace zelkor {

Checked<std::string> DefaultWidthText(const AppState& state, ParticleSet& set, StatPage page, std::string_view zoomText,
                                      Progress& progress) {
    // The flags and the range read one evaluation of the quantity.
    const ReuseColumns reuse;
    using Result = Checked<std::string>;
    if (auto refusal = CheckAvailability(page, state, set)) return Result::Refused(*refusal);
    double n = 0.0;
    if (state.displayModeOf(page) == DisplayMode::Zoom) {
        const Checked<double> zoom = ValidateSigmaMultiplier(zoomText);
        if (!zoom.ok()) return Result::Refused(*zoom.refusal);
        n = *zoom.value;
    }
    RefreshAcceptedFlags(state, set, page, progress);
    const DisplayRange range = ComputeDisplayRange(state, set, page, n, progress);
    return Result::Ok(FormatNumber(DescribePage(page).defaultWidthFormat, DefaultIntervalWidth(range)));
}

}  // namespace zelkor
