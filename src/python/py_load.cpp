#include "python/py_load.hpp"

#include "bindings/load_session.hpp"

namespace zelkor::python {

namespace py = pybind11;

std::unique_ptr<PyParticleSet> LoadSet(const std::filesystem::path& path, const std::optional<std::string>& kindWord) {
    const SourceKind kind = bindings::KindToLoad(path, kindWord);
    auto loaded = std::make_unique<PyParticleSet>();
    {
        py::gil_scoped_release unlocked;
        bindings::LoadSession(*loaded, kind, path);
    }
    loaded->origin = "file=" + py::repr(py::str(path.string())).cast<std::string>();
    return loaded;
}

}  // namespace zelkor::python
