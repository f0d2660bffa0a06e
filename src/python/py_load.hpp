#pragma once

#include "python/py_particle_set.hpp"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace zelkor::python {

// zelkor.load: the kind named or else told by the extension, the file read
// as a load command of the main window reads it. A refusal, or a file that
// could not be opened or closed, raises the program's message.
std::unique_ptr<PyParticleSet> LoadSet(const std::filesystem::path& path, const std::optional<std::string>& kindWord);

}  // namespace zelkor::python
