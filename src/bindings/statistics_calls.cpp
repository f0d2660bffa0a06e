#include "bindings/statistics_calls.hpp"

#include "bindings/binding_error.hpp"
#include "stats/default_width.hpp"
#include "state/display_mode.hpp"
#include "stats/fit/fit_gaussian.hpp"
#include "stats/page_more_statistics.hpp"
#include "stats/page_quantity.hpp"
#include "stats/prepare_histogram.hpp"
#include "stats/value_column.hpp"

#include <stdexcept>

namespace zelkor::bindings {
namespace {

template <typename T>
T Take(Checked<T> checked) {
    if (!checked.ok()) Refuse(*checked.refusal);
    return std::move(*checked.value);
}

StatPage PageInMode(Session& session, const QuantityChoice& choice, const std::string& displayWord) {
    const auto mode = DisplayModeFromWord(displayWord);
    if (!mode) throw BadArgument("display must be whole, filtered or zoom");
    const StatPage page = SelectQuantityOf(session, choice);
    session.state.displayModeOf(page) = *mode;
    return page;
}

}  // namespace

StatsResult Stats(Session& session, const QuantityChoice& choice, const std::string& widthText, Progress& progress) {
    StatsResult result;
    result.page = SelectQuantityOf(session, choice);
    // The report and its further figures read one evaluation of the quantity.
    const ReuseColumns reuse(session.columns);
    result.report = Take(BasicAnalysis(session.state, session.set, result.page, progress));
    result.more = Take(MoreStatisticsFor(session.state, session.set, result.page, StatScope::All, result.report.summary,
                                         widthText, progress));
    return result;
}

FilterResult SigmaFilter(Session& session, const QuantityChoice& choice, const std::string& multiplierText,
                         Progress& progress) {
    FilterResult result;
    result.page = SelectQuantityOf(session, choice);
    const ReuseColumns reuse(session.columns);
    result.run = Take(FilterSpectrum(session.state, session.set, result.page, true, multiplierText, progress));
    result.statusText = CommitFilter(session.state, result.page, multiplierText, result.run.multiplier);
    return result;
}

std::string DefaultWidth(Session& session, const QuantityChoice& choice, const std::string& displayWord,
                         const std::string& zoomText, Progress& progress) {
    const StatPage page = PageInMode(session, choice, displayWord);
    const ReuseColumns reuse(session.columns);
    return Take(DefaultWidthText(session.state, session.set, page, zoomText, progress));
}

HistogramResult HistogramOf(Session& session, const QuantityChoice& choice, const std::optional<std::string>& width,
                            const std::string& displayWord, const std::string& zoomText, bool fit, Progress& progress) {
    if (fit && !GaussianFitAvailable()) throw std::runtime_error(FitRefusal(GaussianFit{})->text);
    HistogramResult result;
    result.page = PageInMode(session, choice, displayWord);
    // The default width, the range and the counts read one evaluation of the quantity.
    const ReuseColumns reuse(session.columns);
    result.widthText = width ? *width : Take(DefaultWidthText(session.state, session.set, result.page, zoomText));
    result.histogram = Take(PrepareHistogram(session.state, session.set, result.page, HistogramView::Table,
                                             result.widthText, zoomText, progress));
    Histogram& histogram = result.histogram;
    CountHistogram(session.set, SelectionFor(session.state, result.page), histogram, progress);
    result.edges = AccumulatedEdges(histogram.start, histogram.width, histogram.intervalCount);
    if (fit) {
        result.fit = FitGaussian(histogram);
        if (const auto refusal = FitRefusal(*result.fit)) Refuse(*refusal);
    }
    return result;
}

}  // namespace zelkor::bindings
