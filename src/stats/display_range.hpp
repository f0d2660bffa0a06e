#pragma once

#include "state/app_state.hpp"
#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "state/stat_page.hpp"

namespace zelkor {

// The stretch of a page's quantity a histogram covers, in the page's unit.
struct DisplayRange {
    double lower = 0.0;
    double upper = 0.0;
    double length() const { return upper - lower; }
};

// min .. max widened on its shorter side so that the mean sits in the middle:
// the Whole and Filtered ranges of the statistics of their ions.
DisplayRange SymmetricRange(double min, double max, double mean);

// Brings the shared accepted flags into the state the page's display mode
// needs: its committed filter re-applied for Filtered, every ion accepted for
// Whole or with no filter, and the flags left alone in Zoom.
void RefreshAcceptedFlags(const AppState& state, ParticleSet& set, StatPage page, Progress& progress = NoProgress());

// The range of the page's display mode, after RefreshAcceptedFlags. Whole and
// Filtered are widened on their shorter side to be symmetric about the mean;
// Zoom is mean -+ n sigma (n is read only in Zoom mode).
DisplayRange ComputeDisplayRange(const AppState& state, const ParticleSet& set, StatPage page, double n,
                                 Progress& progress = NoProgress());

// The width that splits the range into 101 intervals, enlarged by a millionth
// so that the extreme ions fall inside the outer intervals.
double DefaultIntervalWidth(const DisplayRange& range);

}  // namespace zelkor
