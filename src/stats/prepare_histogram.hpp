#pragma once

#include "state/app_state.hpp"
#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "stats/checked.hpp"
#include "stats/histogram.hpp"
#include "stats/histogram_view.hpp"

#include <string_view>

namespace zelkor {

// The shared preamble of "Data" and "Graph" up to the confirmation, in the
// order the pages check: availability, the width text, the zoom multiplier
// (Zoom mode only), the flags refreshed, the display range, the plan. The
// window then asks IntervalCountConfirmation and, on OK, counts the planned
// histogram with CountHistogram (the flags are then as this left them).
Checked<Histogram> PrepareHistogram(const AppState& state, ParticleSet& set, StatPage page, HistogramView view,
                                    std::string_view widthText, std::string_view zoomText,
                                    Progress& progress = NoProgress());

}  // namespace zelkor
