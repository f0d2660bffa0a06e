#pragma once

#include "state/app_state.hpp"
#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "stats/checked.hpp"
#include "stats/histogram.hpp"
#include "stats/more_statistics.hpp"
#include "state/stat_page.hpp"
#include "stats/stat_summary.hpp"

#include <string_view>

namespace zelkor {

// The histogram a report's FWHM is read from: the summary's min .. max made
// symmetric about its mean (the Whole range of all ions, the Filtered range
// of a filter run's ions) with intervals of the width typed in the page's
// "Range of Interval" edit, or of "Default"'s width of that range when the
// edit is empty. A typed width is refused as "Data" refuses it; the default
// width of a range without length plans no interval (the FWHM is undefined).
Checked<Histogram> PlanFwhmHistogram(StatPage page, const StatSummary& summary, std::string_view widthText);

// The figures below the seven rows of the page's report: summary is the
// report's own (BasicAnalysis: StatScope::All, a FilterSpectrum run that
// filtered: StatScope::Accepted, with the flags as the run left them).
// Reads the set and changes nothing.
Checked<MoreStatistics> MoreStatisticsFor(const AppState& state, const ParticleSet& set, StatPage page, StatScope scope,
                                          const StatSummary& summary, std::string_view widthText,
                                          Progress& progress = NoProgress());

}  // namespace zelkor
