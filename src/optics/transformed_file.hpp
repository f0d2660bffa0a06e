#pragma once

#include "state/app_state.hpp"
#include "data/message.hpp"
#include "data/particle_set.hpp"
#include "data/progress.hpp"

#include <filesystem>
#include <optional>

namespace zelkor {

// File > Save > Transformed File after its dialog (which offers what Save >
// Filtered File offers for the kind): the accepted ions with the state's
// transfer matrix applied, in the layout of the loaded kind. TRANSMIT.TXT and
// TRIM.DAT keep their headers and write new Y, Z, cos_y and cos_z (depth after
// one blank); a point file writes the new Y, Y', Z, Z' and dp/p as stored.
// "No data available! ..." without a set, "Cannot save a file!" when the
// file cannot be created, "Cannot close a file!" when the write fails; the
// old file then stays as it was.
std::optional<Message> SaveTransformedFile(const std::filesystem::path& path, const ParticleSet& set,
                                           const AppState& state, Progress& progress = NoProgress());

}  // namespace zelkor
