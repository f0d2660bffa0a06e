#pragma once

#include "state/app_state.hpp"
#include "data/message.hpp"
#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "data/read_source.hpp"
#include "data/source_kind.hpp"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace zelkor {

enum class LoadOutcome {
    Loaded,      // the set was replaced (possibly with a warning about skipped lines)
    CannotOpen,  // the kind is now None; the set is kept
    Rejected,    // the kind is the new kind; the set is kept
};

struct LoadReport {
    LoadOutcome outcome = LoadOutcome::Loaded;
    std::vector<Message> messages;  // in the order they are to be shown
    std::int64_t skippedLines = 0;  // record lines the parse could not read
};

// A load command after its file dialog: the kind and path are taken, the check
// runs, and only a file that passes it resets the state (afterCheck lets the
// window do its own part of that reset first), is counted, parsed and replaces
// the set. A rejected file leaves the kind and the path as they were, so the
// kept set is never taken for one of the rejected kind; a file that cannot be
// opened leaves the kind None. A pipe, a FIFO or "-" (standard input) is read
// once into memory and the passes run over that copy. Running out of memory
// ends the load with a message and an empty set. TRANSMIT.TXT and TRIM.DAT loads replace headerLine and atomZ (when a
// record was read); a WinAGILE load keeps them and switches the angle page to
// dY/dX, the other two switch it back to ang X. Every load that passed the
// check replaces firstLines with those of the bytes it read.
LoadReport LoadParticleFile(SourceKind kind, const std::filesystem::path& path, AppState& state, ParticleSet& set,
                            Progress& progress = NoProgress(), const std::function<void()>& afterCheck = {});

// The same load over a source already chosen (bytes in memory, for example).
LoadReport LoadParticleSource(SourceKind kind, const ReadSource& source, AppState& state, ParticleSet& set,
                              Progress& progress = NoProgress(), const std::function<void()>& afterCheck = {});

}  // namespace zelkor
