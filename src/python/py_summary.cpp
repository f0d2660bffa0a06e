#include "python/py_summary.hpp"

#include "data/kind_words.hpp"
#include "runs/run_table.hpp"
#include "runs/summarize_runs.hpp"

#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zelkor::python {
namespace {

namespace py = pybind11;

py::object CellObject(const RunCell& cell) {
    struct Visitor {
        py::object operator()(std::monostate) const { return py::none(); }
        py::object operator()(Undefined) const { return py::none(); }
        py::object operator()(const std::string& s) const { return py::str(s); }
        py::object operator()(std::int64_t n) const { return py::int_(n); }
        py::object operator()(double v) const { return py::float_(v); }
    };
    return std::visit(Visitor{}, cell);
}

py::list RowDicts(const std::vector<RunSummary>& rows) {
    const auto columns = RunSummaryColumns();
    py::list list;
    for (const RunSummary& row : rows) {
        const std::vector<RunCell> cells = RunSummaryCells(row);
        py::dict d;
        for (std::size_t c = 0; c < cells.size(); ++c) d[py::str(std::string(columns[c].name))] = CellObject(cells[c]);
        list.append(d);
    }
    return list;
}

py::object Summary(const std::vector<std::filesystem::path>& paths, const std::optional<std::string>& kindWord) {
    std::optional<SourceKind> kind;
    if (kindWord) {
        kind = SourceKindFromWord(*kindWord);
        if (!kind) throw py::value_error("unknown kind " + *kindWord + " (transmit, trim or pnt)");
    }
    std::vector<RunRequest> requests;
    for (const auto& path : paths) requests.push_back({path, kind});
    std::vector<RunSummary> rows;
    {
        const py::gil_scoped_release released;
        rows = SummarizeRuns(requests);
    }
    py::list dicts = RowDicts(rows);
    py::module_ pandas;
    try {
        pandas = py::module_::import("pandas");
    } catch (const py::error_already_set& e) {
        if (!e.matches(PyExc_ImportError)) throw;
        return dicts;
    }
    py::list names;
    for (const RunColumn& column : RunSummaryColumns()) names.append(py::str(std::string(column.name)));
    return pandas.attr("DataFrame")(dicts, py::arg("columns") = names);
}

constexpr const char* kSummaryDoc =
    R"doc(summary(paths, kind=None) -> pandas.DataFrame, or a list of dicts without pandas

One row per file, as zelkor-batch summary gives it; the files are read in
parallel, one set in memory per file being read. Columns: file, kind,
count, skipped (lines the reader could not read), energy_mean,
energy_mean_error, energy_sigma, energy_sigma_error, energy_fwhm [eV]
(None for a point file), sigma_y, sigma_z [Angstrom], sigma_dydx,
sigma_dzdx [rad], eps_rms_y [PI.mm.mrad], beta_y [m], alpha_y, and the
same for z; None where a figure is undefined. A file that cannot be read
raises nothing: its row holds its message in 'message' and no figures.
kind (transmit, trim, pnt) applies to every file; None goes by each
file's extension.)doc";

}  // namespace

void BindSummary(py::module_& m) {
    m.def("summary", &Summary, py::arg("paths"), py::arg("kind") = py::none(), kSummaryDoc);
}

}  // namespace zelkor::python
