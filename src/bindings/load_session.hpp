#pragma once

#include "bindings/session.hpp"
#include "data/progress.hpp"
#include "data/source_kind.hpp"

#include <filesystem>
#include <optional>
#include <string>

namespace zelkor::bindings {

// The kind named ("transmit", "trim", "pnt") or else the one the file name's
// extension tells; BadArgument when neither does.
SourceKind KindToLoad(const std::filesystem::path& path, const std::optional<std::string>& kindWord);

// Reads the file as a load command of the main window reads it into a fresh
// session. A refused file, or a pass that could not open or close it, throws
// RefusedCall with the program's message; warnings keep the rest.
void LoadSession(Session& session, SourceKind kind, const std::filesystem::path& path,
                 Progress& progress = NoProgress());

}  // namespace zelkor::bindings
