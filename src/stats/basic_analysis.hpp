#pragma once

#include "state/app_state.hpp"
#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "stats/checked.hpp"
#include "stats/report_text.hpp"
#include "stats/stat_summary.hpp"

namespace zelkor {

struct AnalysisReport {
    StatSummary summary;
    ReportRows rows;
};

// "Basic Analysis": the all-ion statistics of the page's quantity in its unit,
// whatever the flags and the page's filter (neither is changed), or the
// refusal of CheckAvailability. The window then shows "No Filter" and Close.
Checked<AnalysisReport> BasicAnalysis(const AppState& state, const ParticleSet& set, StatPage page,
                                      Progress& progress = NoProgress());

}  // namespace zelkor
