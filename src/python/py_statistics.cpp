#include "python/py_statistics.hpp"

#include "bindings/quantity_choice.hpp"
#include "bindings/statistics_calls.hpp"
#include "python/py_text.hpp"

#include <algorithm>
#include <cstdint>

namespace zelkor::python {
namespace {

namespace py = pybind11;
using Set = PyParticleSet;

std::optional<std::string> GivenText(const py::object& value) {
    if (value.is_none()) return std::nullopt;
    return FieldText(value);
}

bindings::QuantityChoice ChoiceOf(const QuantityArgs& args) {
    return {args.name, args.unit, GivenText(args.A), GivenText(args.amu)};
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
    const StatPage page = bindings::AvailablePage(s, ChoiceOf(args));
    py::array_t<double> values(s.set.count);
    bindings::FillQuantityValues(s, page, values.mutable_data());
    return values;
}

py::dict Stats(Set& s, const QuantityArgs& args, py::handle width) {
    const bindings::StatsResult result = bindings::Stats(s, ChoiceOf(args), FieldText(width));
    py::dict d = SummaryDict(result.report.summary);
    AddMoreStatistics(d, result.more);
    return d;
}

int SigmaFilter(Set& s, const QuantityArgs& args, py::handle n) {
    const bindings::FilterResult result = bindings::SigmaFilter(s, ChoiceOf(args), FieldText(n));
    // The window still shows the count after this message; so does the script.
    if (result.run.tooLow) PyErr_WarnEx(PyExc_RuntimeWarning, result.run.tooLow->text.c_str(), 1);
    return result.run.rejected;
}

py::tuple HistogramOf(Set& s, const QuantityArgs& args, py::handle width, const std::string& display, py::handle zoom,
                      bool fit) {
    const std::optional<std::string> widthText = width.is_none() ? std::nullopt : std::optional(FieldText(width));
    const bindings::HistogramResult result =
        bindings::HistogramOf(s, ChoiceOf(args), widthText, display, FieldText(zoom), fit);
    const std::vector<double>& edges = result.edges;
    const std::vector<int>& counts = result.histogram.counts;
    py::array_t<double> edgeArray(static_cast<py::ssize_t>(edges.size()), edges.data());
    py::array_t<std::int64_t> countArray(static_cast<py::ssize_t>(counts.size()));
    std::copy(counts.begin(), counts.end(), countArray.mutable_data());
    if (result.fit) return py::make_tuple(edgeArray, countArray, FitDict(*result.fit));
    return py::make_tuple(edgeArray, countArray);
}

}  // namespace zelkor::python
