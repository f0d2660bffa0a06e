#pragma once

#include "bindings/quantity_choice.hpp"
#include "bindings/session.hpp"
#include "data/progress.hpp"
#include "stats/basic_analysis.hpp"
#include "stats/filter_spectrum.hpp"
#include "stats/gaussian_fit.hpp"
#include "stats/histogram.hpp"
#include "stats/more_statistics.hpp"

#include <optional>
#include <string>
#include <vector>

namespace zelkor::bindings {

struct StatsResult {
    StatPage page{};
    AnalysisReport report;
    MoreStatistics more;
};

// "Basic Analysis" of the quantity over all ions and its "More statistics",
// the FWHM read at widthText (empty: the "Default" width).
StatsResult Stats(Session& session, const QuantityChoice& choice, const std::string& widthText,
                  Progress& progress = NoProgress());

struct FilterResult {
    StatPage page{};
    FilterRun run;
    std::string statusText;  // "%g x sigma"
};

// The page's n-sigma filter run and committed with OK; a multiplier so low
// that no spread is left still commits, and run.tooLow holds its message.
FilterResult SigmaFilter(Session& session, const QuantityChoice& choice, const std::string& multiplierText,
                         Progress& progress = NoProgress());

struct HistogramResult {
    StatPage page{};
    std::string widthText;  // as typed, or as "Default" wrote it
    Histogram histogram;
    std::vector<double> edges;  // the N + 1 accumulated edges
    std::optional<GaussianFit> fit;
};

// "Default" in the display mode named ("whole", "filtered", "zoom"): the
// text the interval-width edit receives.
std::string DefaultWidth(Session& session, const QuantityChoice& choice, const std::string& displayWord,
                         const std::string& zoomText, Progress& progress = NoProgress());

// "Data" of the page in the display mode named, at the width typed (none:
// the "Default" width), counted; with fit, a Gaussian fitted to it (a fit
// without parameters is refused with its message; std::runtime_error where
// the fit was not built).
HistogramResult HistogramOf(Session& session, const QuantityChoice& choice, const std::optional<std::string>& width,
                            const std::string& displayWord, const std::string& zoomText, bool fit,
                            Progress& progress = NoProgress());

}  // namespace zelkor::bindings
