#include "python/py_statistics.hpp"

#include "python/py_errors.hpp"
#include "python/py_text.hpp"
#include "relativity/take_ion_masses.hpp"
#include "stats/availability.hpp"
#include "stats/basic_analysis.hpp"
#include "stats/default_width.hpp"
#include "stats/filter_spectrum.hpp"
#include "stats/fit/fit_gaussian.hpp"
#include "stats/histogram.hpp"
#include "stats/page_more_statistics.hpp"
#include "stats/page_quantity.hpp"
#include "stats/prepare_histogram.hpp"
#include "stats/quantity.hpp"
#include "stats/ion_span.hpp"
#include "stats/quantity_value.hpp"
#include "stats/value_column.hpp"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace zelkor::python {
namespace {

namespace py = pybind11;
using Set = PyParticleSet;

// What the batch tool's statistics options do, on this set's state: the
// quantity and its unit become the page's, A and amu (when given) are taken
// as the relativistic window takes them. A page switching to another
// quantity drops its committed filter, as a click on the quantity does; the
// flags stay as the script left them.
StatPage SelectQuantityOf(Set& s, const QuantityArgs& args) {
    const auto quantity = QuantityFromName(args.name);
    if (!quantity) throw py::value_error("unknown quantity " + args.name + " (KinEnerg ... dZdX)");
    int unitCode = 0;
    if (args.unit) {
        const auto code = UnitFromSymbol(*quantity, *args.unit);
        if (!code) throw py::value_error("unit " + *args.unit + " does not belong to " + args.name);
        unitCode = *code;
    }
    if (!args.A.is_none() || !args.amu.is_none()) {
        if (const auto refusal = TakeSpecies(FieldText(args.A), FieldText(args.amu), s.state, s.set))
            RaiseMessage(*refusal);
    }
    const StatPage page = QuantityPage(*quantity);
    if (PageQuantity(s.state, page) != *quantity) s.state.filterOf(page) = SigmaFilterState{};
    SetPageQuantity(s.state, *quantity);
    s.state.unitOf(*quantity) = unitCode;
    return page;
}

StatPage AvailablePage(Set& s, const QuantityArgs& args) {
    const StatPage page = SelectQuantityOf(s, args);
    if (const auto refusal = CheckAvailability(page, s.state, s.set)) RaiseMessage(*refusal);
    return page;
}

py::dict SummaryDict(const StatSummary& summary) {
    py::dict d;
    d["min"] = summary.min;
    d["max"] = summary.max;
    d["mean"] = summary.mean;
    d["dispersion"] = summary.dispersion;
    d["sigma"] = summary.sigma;
    return d;
}

py::object Figure(const std::optional<double>& value) { return value ? py::object(py::float_(*value)) : py::none(); }

void AddMoreStatistics(py::dict& d, const MoreStatistics& more) {
    d["count"] = more.count;
    d["mean_error"] = Figure(more.meanError);
    d["sigma_error"] = Figure(more.sigmaError);
    d["median"] = Figure(more.median);
    d["fwhm"] = Figure(more.fwhm);
    d["skewness"] = Figure(more.skewness);
    d["kurtosis"] = Figure(more.kurtosis);
}

py::dict FitDict(const GaussianFit& fit) {
    if (const auto refusal = FitRefusal(fit)) RaiseMessage(*refusal);
    py::dict d;
    d["amplitude"] = fit.amplitude.value;
    d["amplitude_error"] = fit.amplitude.error;
    d["mean"] = fit.mean.value;
    d["mean_error"] = fit.mean.error;
    d["sigma"] = fit.sigma.value;
    d["sigma_error"] = fit.sigma.error;
    d["chi2"] = fit.chiSquare;
    d["ndf"] = fit.degreesOfFreedom;
    return d;
}

}  // namespace

py::array_t<double> QuantityValues(Set& s, const QuantityArgs& args) {
    const StatPage page = AvailablePage(s, args);
    const QuantitySelection selection = SelectionFor(s.state, page);
    py::array_t<double> values(s.set.count);
    WithQuantityValue(selection, [&](auto value) { FillColumn(Ions(s.set), value, values.mutable_data()); });
    return values;
}

py::dict Stats(Set& s, const QuantityArgs& args, py::handle width) {
    const StatPage page = SelectQuantityOf(s, args);
    // The report and its further figures read one evaluation of the quantity.
    const ReuseColumns reuse;
    const auto report = BasicAnalysis(s.state, s.set, page);
    if (!report.ok()) RaiseMessage(*report.refusal);
    const StatSummary& summary = report.value->summary;
    const auto more = MoreStatisticsFor(s.state, s.set, page, StatScope::All, summary, FieldText(width));
    if (!more.ok()) RaiseMessage(*more.refusal);
    py::dict d = SummaryDict(summary);
    AddMoreStatistics(d, *more.value);
    return d;
}

int SigmaFilter(Set& s, const QuantityArgs& args, py::handle n) {
    const StatPage page = SelectQuantityOf(s, args);
    const std::string text = FieldText(n);
    const auto run = FilterSpectrum(s.state, s.set, page, true, text);
    if (!run.ok()) RaiseMessage(*run.refusal);
    // The window still shows the count after this message; so does the script.
    if (run.value->tooLow) PyErr_WarnEx(PyExc_RuntimeWarning, run.value->tooLow->text.c_str(), 1);
    CommitFilter(s.state, page, text, run.value->multiplier);
    return run.value->rejected;
}

py::tuple HistogramOf(Set& s, const QuantityArgs& args, py::handle width, const std::string& display, py::handle zoom,
                      bool fit) {
    if (fit && !GaussianFitAvailable()) throw std::runtime_error(FitRefusal(GaussianFit{})->text);
    const auto mode = DisplayModeFromWord(display);
    if (!mode) throw py::value_error("display must be whole, filtered or zoom");
    const StatPage page = SelectQuantityOf(s, args);
    s.state.displayModeOf(page) = *mode;
    // The default width, the range and the counts read one evaluation of the quantity.
    const ReuseColumns reuse;
    const std::string zoomText = FieldText(zoom);
    std::string widthText = FieldText(width);
    if (width.is_none()) {
        const auto written = DefaultWidthText(s.state, s.set, page, zoomText);
        if (!written.ok()) RaiseMessage(*written.refusal);
        widthText = *written.value;
    }
    auto planned = PrepareHistogram(s.state, s.set, page, HistogramView::Table, widthText, zoomText);
    if (!planned.ok()) RaiseMessage(*planned.refusal);
    zelkor::Histogram& histogram = *planned.value;
    CountHistogram(s.set, SelectionFor(s.state, page), histogram);
    const std::vector<double> edges = AccumulatedEdges(histogram.start, histogram.width, histogram.intervalCount);
    py::array_t<double> edgeArray(static_cast<py::ssize_t>(edges.size()), edges.data());
    py::array_t<std::int64_t> countArray(static_cast<py::ssize_t>(histogram.counts.size()));
    std::copy(histogram.counts.begin(), histogram.counts.end(), countArray.mutable_data());
    if (fit) return py::make_tuple(edgeArray, countArray, FitDict(FitGaussian(histogram)));
    return py::make_tuple(edgeArray, countArray);
}

}  // namespace zelkor::python
