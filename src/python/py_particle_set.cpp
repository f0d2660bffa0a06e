#include "python/py_particle_set.hpp"

#include "data/kind_words.hpp"
#include "bindings/save_call.hpp"
#include "python/py_errors.hpp"
#include "python/py_load.hpp"
#include "python/py_optics.hpp"
#include "python/py_statistics.hpp"
#include "python/py_text.hpp"
#include "relativity/take_ion_masses.hpp"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace zelkor::python {
namespace {

namespace py = pybind11;
using Set = PyParticleSet;

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

void Relativistic(Set& s, py::handle A, py::handle amu, py::handle n) {
    const std::string nText = FieldText(n);
    if (const auto refusal = TakeSpecies(FieldText(A), FieldText(amu), s.state, s.set, nText)) RaiseMessage(*refusal);
}

void Save(const Set& s, const std::filesystem::path& path, const std::optional<std::string>& kindWord,
          py::handle setX) {
    const std::optional<std::string> setXText = setX.is_none() ? std::nullopt : std::optional(FieldText(setX));
    bindings::SaveSession(s, path, kindWord, setXText);
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

// Docstrings.

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

constexpr const char* kStatsDoc = R"doc(stats(name, unit=None, A=None, amu=None, width=None) -> dict

"Basic Analysis" of the quantity over all ions, whatever the accepted flags:
'min', 'max', 'mean', 'dispersion', 'sigma' (dispersion is the population
variance, sigma its square root), and the "More statistics": 'count',
'mean_error' (sigma / sqrt(N)), 'sigma_error' (sigma / sqrt(2 (N - 1))),
'median', 'fwhm', 'skewness' (m3 / m2^1.5) and 'kurtosis' (excess,
m4 / m2^2 - 3); None where a figure is undefined. The FWHM is read from the
whole-spectrum histogram at width (None: the "Default" width), between the
half-maximum crossings interpolated linearly. Arguments as quantity().)doc";

constexpr const char* kSigmaFilterDoc = R"doc(sigma_filter(name, n, unit=None, A=None, amu=None) -> int

The page's n-sigma filter, run and committed: every ion whose value lies
outside mean -+ n * sigma (of all ions) gets accepted = 0, every other one 1.
Returns the number rejected. histogram(display="filtered") re-applies this
committed filter. A multiplier so low that no spread is left gives a
RuntimeWarning with the program's message, as the window does.)doc";

constexpr const char* kHistogramDoc =
    R"doc(histogram(name, unit=None, width=None, display="whole", zoom=None, A=None, amu=None, fit=False)
-> (edges, counts) or (edges, counts, fit)

The "Data" table of the page as numpy arrays: N + 1 float64 interval edges
(each the previous plus the width, as the program accumulates them) and N
int64 counts of the accepted ions in [edge_k, edge_k+1). width=None takes the
page's "Default" width. display: "whole" (every ion accepted first),
"filtered" (the committed sigma_filter re-applied first) or "zoom" (mean -+
zoom * sigma, flags left as they are).
fit=True adds a Gaussian fitted to the intervals that hold ions (least
squares weighted by 1 / count, empty intervals left out):
{'amplitude', 'amplitude_error', 'mean', 'mean_error', 'sigma',
'sigma_error', 'chi2', 'ndf'}. A fit that does not converge, or too few
intervals with ions, raises ValueError; RuntimeError where the module was
built without the fit.)doc";

constexpr const char* kBeamDoc = R"doc(beam_parameters() -> {'Y': {...}, 'Z': {...}}

Per plane, from the sigma matrix: eps_rms = sqrt(<uu><u'u'> - <uu'>^2)
[mm mrad], beta = <uu>/eps_rms [m], gamma = <u'u'>/eps_rms [1/m],
alpha = -<uu'>/eps_rms.)doc";

}  // namespace

void BindParticleSet(py::module_& m) {
    py::class_<Set> cls(m, "ParticleSet", kSetDoc);
    cls.def_property_readonly(
           "kind", [](const Set& s) { return std::string(SourceKindWord(s.state.sourceKind)); },
           "'transmit', 'trim' or 'pnt'.")
        .def_property_readonly(
            "count", [](const Set& s) { return s.set.count; }, "Number of ions.")
        .def_property_readonly(
            "header", [](const Set& s) { return py::bytes(s.state.headerLine); },
            "The header line the program keeps (line 10 of a TRANSMIT.TXT, line 8 of a TRIM.DAT), bytes as read.")
        .def_property_readonly(
            "atom_z", [](const Set& s) { return s.state.atomZ; },
            "Atomic number of the last ion read (TRANSMIT.TXT and TRIM.DAT).")
        .def_property_readonly(
            "warnings", [](const Set& s) { return s.warnings; }, "The load's warning (skipped lines), or ''.")
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
            [args](Set& s, const std::string& name, std::optional<std::string> unit, py::object A, py::object amu,
                   py::object width) { return Stats(s, args(name.c_str(), std::move(unit), A, amu), width); },
            py::arg("name"), py::arg("unit") = py::none(), py::arg("A") = py::none(), py::arg("amu") = py::none(),
            py::arg("width") = py::none(), kStatsDoc)
        .def(
            "sigma_filter",
            [args](Set& s, const std::string& name, py::object n, std::optional<std::string> unit, py::object A,
                   py::object amu) { return SigmaFilter(s, args(name.c_str(), std::move(unit), A, amu), n); },
            py::arg("name"), py::arg("n"), py::arg("unit") = py::none(), py::arg("A") = py::none(),
            py::arg("amu") = py::none(), kSigmaFilterDoc)
        .def(
            "histogram",
            [args](Set& s, const std::string& name, std::optional<std::string> unit, py::object width,
                   const std::string& display, py::object zoom, py::object A, py::object amu, bool fit) {
                return HistogramOf(s, args(name.c_str(), std::move(unit), A, amu), width, display, zoom, fit);
            },
            py::arg("name"), py::arg("unit") = py::none(), py::arg("width") = py::none(), py::arg("display") = "whole",
            py::arg("zoom") = py::none(), py::arg("A") = py::none(), py::arg("amu") = py::none(),
            py::arg("fit") = false, kHistogramDoc)
        .def("sigma_matrix", &SigmaMatrixOf,
             "sigma_matrix() -> 4 x 4 float64 array of the central moments of (Y [mm], Y' [mrad], Z [mm], Z' "
             "[mrad]) over all ions, as the emittance page computes them.")
        .def("beam_parameters", &BeamParameters, kBeamDoc)
        .def("transform", &Transform, py::arg("matrix"),
             "transform(matrix) -> ParticleSet\n\nThe ions moved by a 4 x 4 transfer matrix (rows and columns\n"
             "Y [m], Y' [rad], Z [m], Z' [rad]) as Save > Transformed File computes them,\nbefore the file's "
             "rounding; every ion, flags kept. A point set holds the new positions in\nAngstrom, so saving it "
             "may differ from the transformed file by one in the\nlast printed digit.")
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

    m.def("load", &LoadSet, py::arg("path"), py::arg("kind") = py::none(),
          "load(path, kind=None) -> ParticleSet\n\nReads a TRANSMIT.TXT ('transmit'), TRIM.DAT ('trim') or "
          "WinAGILE point\nfile ('pnt'); kind=None goes by the extension (.txt, .dat, .pnt). Lines the\nreader "
          "skips are reported in ParticleSet.warnings. Raises OSError\n(\"Cannot open a file!\") when the file "
          "cannot be read and ValueError\n(\"Bad file opened!\") when its contents are refused.");
}

}  // namespace zelkor::python
