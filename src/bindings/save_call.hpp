#pragma once

#include "bindings/session.hpp"
#include "data/progress.hpp"

#include <filesystem>
#include <optional>
#include <string>

namespace zelkor::bindings {

// Writes the accepted ions with the program's writers: in the session's own
// layout (kindWord none or the set's kind, Save > Filtered File), or a
// TRANSMIT.TXT set as "pnt" or "trim" (the two exports; setX, the "X
// co-ordinate" window's edit, places every ion at one depth). A failure or
// refusal throws the program's message; the old file then stays.
void SaveSession(const Session& session, const std::filesystem::path& path, const std::optional<std::string>& kindWord,
                 const std::optional<std::string>& setX, Progress& progress = NoProgress());

// File > Save > Transformed File with the session's transfer matrix.
void SaveTransformed(const Session& session, const std::filesystem::path& path, Progress& progress = NoProgress());

}  // namespace zelkor::bindings
