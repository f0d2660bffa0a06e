#include "python/py_particle_set.hpp"

#include "data/kind_words.hpp"
#include "data/load_file.hpp"
#include "io/file_commands.hpp"
#include "optics/rms_twiss.hpp"
#include "optics/sigma_matrix.hpp"
#include "optics/transfer_matrix.hpp"
#include "optics/transform.hpp"
#include "python/py_errors.hpp"
#include "python/py_text.hpp"
#include "relativity/take_species.hpp"
#include "stats/availability.hpp"
#include "stats/basic_analysis.hpp"
#include "stats/default_width.hpp"
#include "stats/filter_spectrum.hpp"
#include "stats/histogram.hpp"
#include "stats/page_quantity.hpp"
#include "stats/prepare_histogram.hpp"
#include "stats/quantity.hpp"
#include "stats/quantity_value.hpp"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

namespace zelkor::python {
namespace {

namespace py = pybind11;
using Set = PyParticleSet;

// ---- loading -------------------------------------------------------------

SourceKind KindToLoad(const std::filesystem::path& path, const std::optional<std::string>& word) {
    if (word) {
        if (const auto kind = SourceKindFromWord(*word)) return *kind;
        throw py::value_error("unknown kind " + *word + " (transmit, trim or pnt)");
    }
    if (const auto kind = SourceKindFromExtension(path)) return *kind;
    throw py::value_error("cannot tell the kind of " + path.string() + " from its extension; give kind");
}

std::unique_ptr<Set> Load(const std::filesystem::path& path, const std::optional<std::string>& kindWord) {
    const SourceKind kind = KindToLoad(path, kindWord);
    auto loaded = std::make_unique<Set>();
    LoadReport report;
    {
        py::gil_scoped_release unlocked;
        report = LoadParticleFile(kind, path, loaded->state, loaded->set);
    }
    // A refused file, or a pass that could not open or close it, leaves
    // nothing a script should carry on with.
    for (const Message& message : report.messages)
        if (message.icon == MessageIcon::Error) RaiseMessage(message);
    if (report.outcome != LoadOutcome::Loaded)
        RaiseMessage(report.messages.empty() ? ErrorMessage(kBadFileText) : report.messages.front());
    for (const Message& message : report.messages)
        loaded->warnings.append(loaded->warnings.empty() ? "" : "\n").append(message.text);
    loaded->origin = "file=" + py::repr(py::str(path.string())).cast<std::string>();
    return loaded;
}

// ---- zero-copy columns ---------------------------------------------------

// A view of one field of records 1..count: the stride is a whole record, the
// owner keeps the set (and so the storage) alive as long as the view lives.
template <typename T>
py::array FieldView(py::object owner, std::size_t offset, bool writable) {
    Set& s = owner.cast<Set&>();
    char* first = reinterpret_cast<char*>(s.set.records.data() + 1) + offset;
    py::array view(py::dtype::of<T>(), {static_cast<py::ssize_t>(s.set.count)},
                   {static_cast<py::ssize_t>(sizeof(ParticleRecord))}, reinterpret_cast<T*>(first), owner);
    if (!writable) py::detail::array_proxy(view.ptr())->flags &= ~py::detail::npy_api::NPY_ARRAY_WRITEABLE_;
    return view;
}

// ---- quantities ----------------------------------------------------------

struct QuantityArgs {
    std::string name;
    std::optional<std::string> unit;
    py::object A;
    py::object amu;
};

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

py::array_t<double> QuantityValues(Set& s, const QuantityArgs& args) {
    const StatPage page = AvailablePage(s, args);
    const QuantitySelection selection = SelectionFor(s.state, page);
    py::array_t<double> values(s.set.count);
    double* out = values.mutable_data();
    const ParticleRecord* records = s.set.records.data();
    WithQuantityValue(selection, [&](auto value) {
        for (int i = 1; i <= s.set.count; ++i) out[i - 1] = value(records[i]);
    });
    return values;
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

py::dict Stats(Set& s, const QuantityArgs& args) {
    const StatPage page = SelectQuantityOf(s, args);
    const auto report = BasicAnalysis(s.state, s.set, page);
    if (!report.ok()) RaiseMessage(*report.refusal);
    return SummaryDict(report.value->summary);
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

py::tuple HistogramOf(Set& s, const QuantityArgs& args, py::handle width, const std::string& display,
                    py::handle zoom) {
    const auto mode = DisplayModeFromWord(display);
    if (!mode) throw py::value_error("display must be whole, filtered or zoom");
    const StatPage page = SelectQuantityOf(s, args);
    s.state.displayModeOf(page) = *mode;
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
    return py::make_tuple(edgeArray, countArray);
}

// ---- optics, relativity, files -------------------------------------------

py::array_t<double> SigmaMatrixOf(const Set& s) {
    const SigmaMatrix m = ComputeSigmaMatrix(s.set, s.state.sourceKind);
    py::array_t<double> out({4, 4});
    auto view = out.mutable_unchecked<2>();
    for (py::ssize_t r = 0; r < 4; ++r)
        for (py::ssize_t c = 0; c < 4; ++c) view(r, c) = m.entry[r][c];
    return out;
}

py::dict BeamParameters(const Set& s) {
    const SigmaMatrix m = ComputeSigmaMatrix(s.set, s.state.sourceKind);
    py::dict planes;
    for (int plane = 0; plane < 2; ++plane) {
        const RmsTwiss t = RmsTwissOf(m, plane);
        py::dict d;
        d["eps_rms"] = t.epsRms;
        d["beta"] = t.beta;
        d["gamma"] = t.gamma;
        d["alpha"] = t.alpha;
        planes[plane == 0 ? "Y" : "Z"] = d;
    }
    return planes;
}

// The matrix goes through the transform page's own checks: every element in
// a form that reads back to the same double, so a NaN or an infinity is
// refused with the page's message.
TransferMatrix CheckedMatrix(const py::array_t<double, py::array::forcecast>& matrix) {
    if (matrix.ndim() != 2 || matrix.shape(0) != 4 || matrix.shape(1) != 4)
        throw py::value_error("the transfer matrix must be 4 x 4");
    const auto view = matrix.unchecked<2>();
    std::array<std::string, 16> texts;
    for (py::ssize_t r = 0; r < 4; ++r)
        for (py::ssize_t c = 0; c < 4; ++c) texts[static_cast<std::size_t>(r * 4 + c)] = FieldText(py::float_(view(r, c)));
    TransferMatrix m = IdentityMatrix4();
    if (const auto refusal = ReadTransferMatrix(texts, m)) RaiseMessage(*refusal);
    return m;
}

std::unique_ptr<Set> Transform(const Set& s, const py::array_t<double, py::array::forcecast>& matrix) {
    const TransferMatrix m = CheckedMatrix(matrix);
    auto out = std::make_unique<Set>();
    out->state = s.state;
    out->state.transferMatrix = m;
    out->origin = "transformed from " + s.origin;
    out->set = ParticleSet(s.set.count + 1);
    out->set.count = s.set.count;
    const bool points = HoldsSlopes(s.state.sourceKind);
    for (int i = 1; i <= s.set.count; ++i) {
        const ParticleRecord& r = s.set.record(i);
        ParticleRecord& moved = out->set.record(i);
        if (!points) {
            moved = TransformCosineRecord(r, m);
            continue;
        }
        // A point set stores metres as Angstrom and the slopes themselves.
        const TransversePoint p = TransformOf(r, true, m).after;
        moved = r;
        moved.y = p.y * 1e10;
        moved.cos_y = p.yp;
        moved.z = p.z * 1e10;
        moved.cos_z = p.zp;
    }
    return out;
}

void Relativistic(Set& s, py::handle A, py::handle amu, py::handle n) {
    const std::string nText = FieldText(n);
    if (const auto refusal = TakeSpecies(FieldText(A), FieldText(amu), s.state, s.set, nText)) RaiseMessage(*refusal);
}

void Save(const Set& s, const std::filesystem::path& path, const std::optional<std::string>& kindWord,
          py::handle setX) {
    const SourceKind kind = s.state.sourceKind;
    SourceKind target = kind;
    if (kindWord) {
        const auto word = SourceKindFromWord(*kindWord);
        if (!word) throw py::value_error("unknown kind " + *kindWord + " (transmit, trim or pnt)");
        target = *word;
    }
    if (!setX.is_none() && (target != SourceKind::TrimDat || target == kind))
        throw py::value_error("set_x belongs to the conversion of a TRANSMIT.TXT set to kind='trim'");
    std::optional<Message> failure;
    if (target == kind) {
        failure = SaveFilteredFile(path, s.set, s.state);
    } else if (auto refusal = CheckCanExportTransmit(s.state)) {
        failure = refusal;
    } else if (target == SourceKind::WinAgile) {
        failure = ExportTransmitToWinAgile(path, s.set);
    } else {
        std::optional<double> fixedX;
        if (!setX.is_none()) {
            const auto checked = ValidateSetX(FieldText(setX));
            if (const auto* message = std::get_if<Message>(&checked)) RaiseMessage(*message);
            fixedX = std::get<double>(checked);
        }
        failure = ExportTransmitToTrimDat(path, s.set, s.state, fixedX);
    }
    if (failure) RaiseMessage(*failure);
}

constexpr const char* kColumns[] = {"energy", "x", "y", "z", "cos_x", "cos_y", "cos_z", "momentum", "accepted"};

py::object ToPandas(py::object self) {
    py::object pandas = py::module_::import("pandas");
    py::dict columns;
    for (const char* name : kColumns) columns[name] = self.attr(name);
    return pandas.attr("DataFrame")(columns);
}

std::string Repr(const Set& s) {
    return "<zelkor.ParticleSet kind=" + std::string(SourceKindWord(s.state.sourceKind)) +
           " count=" + std::to_string(s.set.count) + " " + s.origin + ">";
}

// ---- docstrings ----------------------------------------------------------

constexpr const char* kSetDoc = R"doc(The ions of one loaded file (records 1..count) and the program state beside them.

Columns are numpy views of the set's own storage (no copy); each view keeps
the set alive. energy [eV], x, y, z [Angstrom], cos_x, cos_y, cos_z and
momentum are float64 and read-only (a point file keeps the slopes dY/dX and
dZ/dX in cos_y and cos_z and dp/p in momentum). accepted is uint8 and
writable: 1 keeps an ion, 0 rejects it, for save() and the histograms of
display "zoom".

The statistics calls remember, per page (energy, momentum, position, angle),
the quantity, unit and committed filter, as the program's pages do.)doc";

constexpr const char* kQuantityDoc = R"doc(quantity(name, unit=None, A=None, amu=None) -> float64 array

Every ion's value of a statistics quantity, in index order.
name: KinEnerg, EnergA, Energamu, Mom, PosY, PosZ, PosabsY, PosabsZ, PosYZ,
AngX, AngY, AngZ, dYdX, dZdX. unit: its symbol ("keV", "MeV/c", "um", "mrad"
...), default the first of the family (eV, eV/c, A, deg, rad). A and amu
(nucleons, ion mass in u) are taken as relativistic() takes them; EnergA,
Energamu and Mom need them, now or from an earlier call.
Raises ValueError with the program's message when the page refuses.)doc";

constexpr const char* kStatsDoc = R"doc(stats(name, unit=None, A=None, amu=None) -> dict

"Basic Analysis" of the quantity over all ions, whatever the accepted flags:
{'min', 'max', 'mean', 'dispersion', 'sigma'} (dispersion is the population
variance, sigma its square root). Arguments as quantity().)doc";

constexpr const char* kSigmaFilterDoc = R"doc(sigma_filter(name, n, unit=None, A=None, amu=None) -> int

The page's n-sigma filter, run and committed: every ion whose value lies
outside mean -+ n * sigma (of all ions) gets accepted = 0, every other one 1.
Returns the number rejected. histogram(display="filtered") re-applies this
committed filter. A multiplier so low that no spread is left gives a
RuntimeWarning with the program's message, as the window does.)doc";

constexpr const char* kHistogramDoc = R"doc(histogram(name, unit=None, width=None, display="whole", zoom=None, A=None, amu=None)
-> (edges, counts)

The "Data" table of the page as numpy arrays: N + 1 float64 interval edges
(each the previous plus the width, as the program accumulates them) and N
int64 counts of the accepted ions in [edge_k, edge_k+1). width=None takes the
page's "Default" width. display: "whole" (every ion accepted first),
"filtered" (the committed sigma_filter re-applied first) or "zoom" (mean -+
zoom * sigma, flags left as they are).)doc";

constexpr const char* kBeamDoc = R"doc(beam_parameters() -> {'Y': {...}, 'Z': {...}}

Per plane, from the sigma matrix: eps_rms = sqrt(<uu><u'u'> - <uu'>^2)
[mm mrad], beta = <uu>/eps_rms [m], gamma = <u'u'>/eps_rms [1/m],
alpha = -<uu'>/eps_rms.)doc";

} // namespace

void BindParticleSet(py::module_& m) {
    py::class_<Set> cls(m, "ParticleSet", kSetDoc);
    cls.def_property_readonly(
           "kind", [](const Set& s) { return std::string(SourceKindWord(s.state.sourceKind)); },
           "'transmit', 'trim' or 'pnt'.")
        .def_property_readonly("count", [](const Set& s) { return s.set.count; }, "Number of ions.")
        .def_property_readonly(
            "header", [](const Set& s) { return py::bytes(s.state.headerLine); },
            "The header line the program keeps (line 10 of a TRANSMIT.TXT, line 8 of a TRIM.DAT), bytes as read.")
        .def_property_readonly("atom_z", [](const Set& s) { return s.state.atomZ; },
                               "Atomic number of the last ion read (TRANSMIT.TXT and TRIM.DAT).")
        .def_property_readonly("warnings", [](const Set& s) { return s.warnings; },
                               "The load's warning (skipped lines), or ''.")
        .def("__repr__", &Repr)
        .def("__len__", [](const Set& s) { return s.set.count; });

    const auto column = [&](const char* name, std::size_t offset, const char* doc) {
        cls.def_property_readonly(
            name, [offset](py::object self) { return FieldView<double>(self, offset, false); }, doc);
    };
    column("energy", offsetof(ParticleRecord, energy), "Kinetic energy [eV], read-only view.");
    column("x", offsetof(ParticleRecord, x), "Depth X [Angstrom], read-only view.");
    column("y", offsetof(ParticleRecord, y), "Position Y [Angstrom], read-only view.");
    column("z", offsetof(ParticleRecord, z), "Position Z [Angstrom], read-only view.");
    column("cos_x", offsetof(ParticleRecord, cos_x), "Direction cosine X, read-only view.");
    column("cos_y", offsetof(ParticleRecord, cos_y), "Direction cosine Y (a point file: dY/dX [rad]), read-only view.");
    column("cos_z", offsetof(ParticleRecord, cos_z), "Direction cosine Z (a point file: dZ/dX [rad]), read-only view.");
    column("momentum", offsetof(ParticleRecord, momentum),
           "Momentum [eV/c] after relativistic() (a point file: dp/p), read-only view.");
    cls.def_property_readonly(
        "accepted",
        [](py::object self) { return FieldView<std::uint8_t>(self, offsetof(ParticleRecord, accepted), true); },
        "Filter flags (uint8, 1 accepted, 0 or any other value rejected), a writable view.");

    const auto args = [](const char* name, std::optional<std::string> unit, py::object A, py::object amu) {
        return QuantityArgs{name, std::move(unit), std::move(A), std::move(amu)};
    };
    cls.def(
           "quantity",
           [args](Set& s, const std::string& name, std::optional<std::string> unit, py::object A, py::object amu) {
               return QuantityValues(s, args(name.c_str(), std::move(unit), A, amu));
           },
           py::arg("name"), py::arg("unit") = py::none(), py::arg("A") = py::none(), py::arg("amu") = py::none(),
           kQuantityDoc)
        .def(
            "stats",
            [args](Set& s, const std::string& name, std::optional<std::string> unit, py::object A, py::object amu) {
                return Stats(s, args(name.c_str(), std::move(unit), A, amu));
            },
            py::arg("name"), py::arg("unit") = py::none(), py::arg("A") = py::none(), py::arg("amu") = py::none(),
            kStatsDoc)
        .def(
            "sigma_filter",
            [args](Set& s, const std::string& name, py::object n, std::optional<std::string> unit, py::object A,
                   py::object amu) { return SigmaFilter(s, args(name.c_str(), std::move(unit), A, amu), n); },
            py::arg("name"), py::arg("n"), py::arg("unit") = py::none(), py::arg("A") = py::none(),
            py::arg("amu") = py::none(), kSigmaFilterDoc)
        .def(
            "histogram",
            [args](Set& s, const std::string& name, std::optional<std::string> unit, py::object width,
                   const std::string& display, py::object zoom, py::object A, py::object amu) {
                return HistogramOf(s, args(name.c_str(), std::move(unit), A, amu), width, display, zoom);
            },
            py::arg("name"), py::arg("unit") = py::none(), py::arg("width") = py::none(),
            py::arg("display") = "whole", py::arg("zoom") = py::none(), py::arg("A") = py::none(),
            py::arg("amu") = py::none(), kHistogramDoc)
        .def("sigma_matrix", &SigmaMatrixOf,
             "sigma_matrix() -> 4 x 4 float64 array of the central moments of (Y [mm], Y' [mrad], Z [mm], Z' "
             "[mrad]) over all ions, as the emittance page computes them.")
        .def("beam_parameters", &BeamParameters, kBeamDoc)
        .def("transform", &Transform, py::arg("matrix"),
             "transform(matrix) -> ParticleSet\n\nThe ions moved by a 4 x 4 transfer matrix (rows and columns\n"
             "Y [m], Y' [rad], Z [m], Z' [rad]) as Save > Transformed File computes them,\nbefore the file's "
             "rounding; every ion, flags kept.")
        .def("relativistic", &Relativistic, py::arg("A"), py::arg("amu"), py::arg("n") = 1,
             "relativistic(A, amu, n=1)\n\nThe relativistic window's species (nucleons, mass in u, charge "
             "state)\nchecked as the window checks them; then every ion's momentum [eV/c] is\ncomputed and the "
             "momentum and energy-per-mass quantities become available.\nOnly for TRANSMIT.TXT and TRIM.DAT sets.")
        .def("save", &Save, py::arg("path"), py::arg("kind") = py::none(), py::arg("set_x") = py::none(),
             "save(path, kind=None, set_x=None)\n\nWrites the accepted ions with the program's writers; the old "
             "file is\nreplaced only by a complete new one. kind=None keeps the set's own layout;\na TRANSMIT.TXT "
             "set may also be written as kind='pnt' or kind='trim' (set_x:\none depth [Angstrom] for every ion). "
             "Raises OSError when the file cannot be\nwritten.")
        .def("to_pandas", &ToPandas,
             "to_pandas() -> pandas.DataFrame with the columns energy ... momentum and accepted (a copy).");

    m.def("load", &Load, py::arg("path"), py::arg("kind") = py::none(),
          "load(path, kind=None) -> ParticleSet\n\nReads a TRANSMIT.TXT ('transmit'), TRIM.DAT ('trim') or "
          "WinAGILE point\nfile ('pnt'); kind=None goes by the extension (.txt, .dat, .pnt). Lines the\nreader "
          "skips are reported in ParticleSet.warnings. Raises OSError\n(\"Cannot open a file!\") when the file "
          "cannot be read and ValueError\n(\"Bad file opened!\") when its contents are refused.");
}

} // namespace zelkor::python
