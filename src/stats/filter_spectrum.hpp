#pragma once

#include "state/app_state.hpp"
#include "data/message.hpp"
#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "stats/checked.hpp"
#include "stats/report_text.hpp"
#include "stats/stat_summary.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace zelkor {

// What "Filter Spectrum" shows in the page's analysis window.
struct FilterRun {
    // False when "No Filter" was selected: the all-ion report, flags untouched,
    // status "No Filter" and only Close. True: the flags now hold the page's
    // n-sigma band (not committed), and OK and Cancel are shown.
    bool filtered = false;
    double multiplier = 0.0;
    StatSummary summary;
    // Absent after "Value sigma multiplier is too low": no statistics were
    // computed, so the window shows no rows rather than stale ones.
    std::optional<ReportRows> rows;
    std::optional<Message> tooLow;
    int rejected = 0;
    int count = 0;
    std::string rejectionLine;
    std::string statusText;
};

// "Filter Spectrum" pressed: availability, then (with the x-sigma button
// checked) the multiplier text validated, the filter applied and the accepted
// statistics taken. Refusals change nothing.
Checked<FilterRun> FilterSpectrum(const AppState& state, ParticleSet& set, StatPage page, bool xSigmaChecked,
                                  std::string_view multiplierText, Progress& progress = NoProgress());

// OK of the analysis window: the page's filter becomes active with the number
// the multiplier edit now holds (the run's n when that text is no longer a
// valid multiplier); the flags stay as the run left them. Returns the page's
// new status text "%g x sigma".
std::string CommitFilter(AppState& state, StatPage page, std::string_view multiplierText, double runMultiplier);

// Cancel of the analysis window: every ion accepted again; the page's filter
// state keeps what it held before the run.
void CancelFilter(ParticleSet& set);

// "No Filter" clicked (also on a change of quantity and on every load):
// every ion accepted, the page's filter inactive with multiplier 0.
void ClearFilter(AppState& state, ParticleSet& set, StatPage page);

// A change of the main window's page: every ion accepted, then the energy
// page's committed filter re-applied when the page shown is the energy page.
void ApplyPageChange(const AppState& state, ParticleSet& set, StatPage shownPage, Progress& progress = NoProgress());

}  // namespace zelkor
