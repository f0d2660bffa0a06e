#pragma once

#include "state/app_state.hpp"
#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "stats/checked.hpp"

#include <string>
#include <string_view>

namespace zelkor {

// "Default" clicked: availability, the zoom multiplier (only in Zoom mode),
// the flags refreshed for the page, and the text the interval-width edit
// receives (the default width in the page's format). It reads nothing of the
// histogram and shows or hides nothing.
Checked<std::string> DefaultWidthText(const AppState& state, ParticleSet& set, StatPage page, std::string_view zoomText,
                                      Progress& progress = NoProgress());

}  // namespace zelkor
