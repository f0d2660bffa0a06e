#include "bindings/binding_error.hpp"
#include "bindings/quantity_choice.hpp"
#include "bindings/statistics_calls.hpp"
#include "stats/filter_spectrum.hpp"
#include "stats/histogram_text.hpp"
#include "stats/interval_width.hpp"
#include "stats/more_statistics_text.hpp"
#include "stats/page_quantity.hpp"
#include "stats/quantity.hpp"
#include "stats/unit_change.hpp"
#include "web/web_core.hpp"
#include "web/web_progress.hpp"
#include "web/web_values.hpp"

namespace zelkor::web {
namespace {

using emscripten::val;

bindings::QuantityChoice ChoiceOf(const val& choice) {
    return {choice["name"].as<std::string>(), OptionalText(choice["unit"]), std::nullopt, std::nullopt};
}

val MoreRows(const bindings::Session& session, StatPage page, const MoreStatistics& more) {
    const QuantitySelection selection = SelectionFor(session.state, page);
    return TextArray(BuildMoreStatisticsRows(page, more, selection.quantity, selection.unitCode));
}

val HistogramAnswer(const bindings::Session& session, const bindings::HistogramResult& result) {
    const QuantitySelection selection = SelectionFor(session.state, result.page);
    const HistogramTable table =
        BuildHistogramTable(result.page, selection.quantity, selection.unitCode, result.histogram);
    const HistogramBars bars =
        BuildHistogramBars(result.page, selection.quantity, selection.unitCode, result.histogram);
    val rows = val::array();
    for (const HistogramRow& row : table.rows) rows.call<void>("push", TextArray(row));
    std::vector<std::string> labels;
    val counts = val::array();
    for (const HistogramBar& bar : bars.bars) {
        labels.push_back(bar.label);
        counts.call<void>("push", bar.count);
    }
    val answer = val::object();
    answer.set("width", result.widthText);
    answer.set("intervals", IntervalCountConfirmation(result.histogram.intervalCount).text);
    answer.set("header", TextArray(table.header));
    answer.set("rows", rows);
    answer.set("counts", counts);
    answer.set("labels", TextArray(labels));
    answer.set("axisCaption", bars.axisCaption);
    return answer;
}

int UnitCodeOf(QuantityId quantity, const std::string& name, const std::string& symbol) {
    const auto code = UnitFromSymbol(quantity, symbol);
    if (!code) throw bindings::BadArgument("unit " + symbol + " does not belong to " + name);
    return *code;
}

}  // namespace

val WebCore::stats(val choice, const std::string& width, val progress) {
    return Answer([&] {
        WebProgress reported(progress);
        const bindings::StatsResult result = bindings::Stats(session_, ChoiceOf(choice), width, reported);
        val answer = val::object();
        answer.set("rows", TextArray(result.report.rows));
        answer.set("more", MoreRows(session_, result.page, result.more));
        answer.set("status", std::string(kNoFilterText));
        return answer;
    });
}

val WebCore::filter(val choice, const std::string& n, val progress) {
    return Answer([&] {
        WebProgress reported(progress);
        const bindings::FilterResult result = bindings::SigmaFilter(session_, ChoiceOf(choice), n, reported);
        const FilterRun& run = result.run;
        val answer = val::object();
        answer.set("rows", run.rows ? TextArray(*run.rows) : val::null());
        answer.set("tooLow", run.tooLow ? MessageObject(*run.tooLow) : val::null());
        answer.set("rejection", run.rejectionLine);
        answer.set("status", result.statusText);
        answer.set("rejected", run.rejected);
        return answer;
    });
}

val WebCore::clearFilter(val choice) {
    return Answer([&] {
        const StatPage page = bindings::SelectQuantityOf(session_, ChoiceOf(choice));
        ClearFilter(session_.state, session_.set, page);
        return val(std::string(kNoFilterText));
    });
}

val WebCore::defaultWidth(val choice, const std::string& display, const std::string& zoom) {
    return Answer([&] { return val(bindings::DefaultWidth(session_, ChoiceOf(choice), display, zoom)); });
}

val WebCore::histogram(val choice, const std::string& width, const std::string& display, const std::string& zoom,
                       val progress) {
    return Answer([&] {
        WebProgress reported(progress);
        const auto result = bindings::HistogramOf(session_, ChoiceOf(choice), width, display, zoom, false, reported);
        return HistogramAnswer(session_, result);
    });
}

val WebCore::convertWidth(const std::string& name, const std::string& from, const std::string& to,
                          const std::string& text) const {
    return Answer([&] {
        const auto quantity = QuantityFromName(name);
        if (!quantity) throw bindings::BadArgument("unknown quantity " + name);
        const auto converted =
            ConvertedWidthText(*quantity, UnitCodeOf(*quantity, name, from), UnitCodeOf(*quantity, name, to), text);
        return converted ? val(*converted) : val::null();
    });
}

}  // namespace zelkor::web
