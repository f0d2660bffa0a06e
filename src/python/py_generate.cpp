#include "python/py_generate.hpp"

#include "generator/generate_trim_dat.hpp"
#include "generator/generator_options.hpp"
#include "generator/validate_generator.hpp"
#include "python/py_errors.hpp"
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

bool SetField(GeneratorFields& fields, DistributionChoice& distributions, const std::string& option, py::handle value) {
    for (const auto& [name, field] : kGeneratorTextOptions) {
        if (option != name) continue;
        fields.*field = FieldText(value);
        return true;
    }
    if (option == "sign-y" || option == "sign-z") {
        const auto sign = AlphaSignFromText(FieldText(value));
        if (!sign) throw py::value_error("a sign is PLUS or MINUS");
        (option == "sign-y" ? fields.signY : fields.signZ) = sign;
        return true;
    }
    if (option == "uniform") {
        if (!ReadUniformList(UniformText(value), distributions))
            throw py::value_error("uniform lists y, z, dydx, dzdx");
        return true;
    }
    return false;
}

int Generate(const std::filesystem::path& path, const py::kwargs& kwargs) {
    GeneratorFields fields;
    DistributionChoice distributions;
    for (const auto& [key, value] : kwargs) {
        const std::string keyword = key.cast<std::string>();
        if (!SetField(fields, distributions, OptionName(keyword), value))
            throw py::type_error("generate() got an unexpected keyword argument '" + keyword + "'");
    }
    const auto checked = ValidateGenerator(fields, distributions);
    if (const auto* message = std::get_if<Message>(&checked)) RaiseMessage(*message);
    const GenerationResult result = GenerateTrimDat(path, std::get<GeneratorParams>(checked), RunRandom());
    if (!result.messages.empty()) RaiseMessage(result.messages.front());
    return result.ionsWritten;
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
