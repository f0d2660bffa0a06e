#include "python/py_load.hpp"

#include "data/kind_words.hpp"
#include "state/load_file.hpp"
#include "python/py_errors.hpp"

namespace zelkor::python {
namespace {

namespace py = pybind11;
using Set = PyParticleSet;

SourceKind KindToLoad(const std::filesystem::path& path, const std::optional<std::string>& word) {
    if (word) {
        if (const auto kind = SourceKindFromWord(*word)) return *kind;
        throw py::value_error("unknown kind " + *word + " (transmit, trim or pnt)");
    }
    if (const auto kind = SourceKindFromExtension(path)) return *kind;
    throw py::value_error("cannot tell the kind of " + path.string() + " from its extension; give kind");
}

}  // namespace

std::unique_ptr<Set> LoadSet(const std::filesystem::path& path, const std::optional<std::string>& kindWord) {
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

}  // namespace zelkor::python
