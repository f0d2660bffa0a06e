#include "python/py_generate.hpp"

#include "bindings/generate_call.hpp"
#include "python/py_text.hpp"

#include <pybind11/stl/filesystem.h>

#include <algorithm>
#include <string>

namespace zelkor::python {
namespace {

namespace py = pybind11;

// One sequence per interpreter, as one per program run: the first
// generation is always the same file, every later one continues it.
BeamRandom& RunRandom() {
    static BeamRandom random;
    return random;
}

std::string OptionName(std::string keyword) {
    std::replace(keyword.begin(), keyword.end(), '_', '-');
    return keyword;
}

// "y,z" or a sequence of the names.
std::string UniformText(py::handle value) {
    if (py::isinstance<py::str>(value)) return value.cast<std::string>();
    std::string text;
    for (py::handle name : value) text.append(text.empty() ? "" : ",").append(py::str(name).cast<std::string>());
    return text;
}

int Generate(const std::filesystem::path& path, const py::kwargs& kwargs) {
    bindings::GeneratorInput input;
    for (const auto& [key, value] : kwargs) {
        const std::string keyword = key.cast<std::string>();
        const std::string option = OptionName(keyword);
        if (!bindings::IsGeneratorOption(option))
            throw py::type_error("generate() got an unexpected keyword argument '" + keyword + "'");
        bindings::SetGeneratorOption(input, option, option == "uniform" ? UniformText(value) : FieldText(value));
    }
    return bindings::GenerateFile(path, input, RunRandom());
}

}  // namespace

void BindGenerate(py::module_& m) {
    m.def("generate", &Generate, py::arg("path"),
          R"doc(generate(path, **fields) -> int

Writes a new TRIM.DAT beam as the "Generate TRIM.DAT" window does and returns
the number of ions written. The fields are those of `zelkor-batch generate`
with '_' for '-': description, particles, atomic_number, amu, angle [deg],
energy [keV], delta_e [%], n_sigma, y_total, z_total, y_rms, z_rms [mm],
dydx_total, dzdx_total, dydx_rms, dzdx_rms [mrad], eps_y, eps_z
[pi mm mrad], sign_y, sign_z ("PLUS" or "MINUS"), d_y, d_z [m], ddx_y, ddx_z
[rad], uniform ("y,z,dydx,dzdx" or a list of those). Numbers or texts; a
field left out is an empty edit. The random sequence continues from one
call to the next within one interpreter, as within one program run.
Raises ValueError with the window's message for a refused field or a
sampling stop (the file then holds the ions before the stop), OSError when
the file cannot be written.)doc");
}

}  // namespace zelkor::python
