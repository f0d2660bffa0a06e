#pragma once

#include "batch/batch_args.hpp"
#include "batch/batch_io.hpp"
#include "state/app_state.hpp"
#include "data/particle_set.hpp"

#include <optional>
#include <string>

namespace zelkor::batch {

// The set and the application state after a load, as the main window would hold them.
struct LoadedData {
    ParticleSet set;
    AppState state;
};

// The kind named by --kind (transmit, trim, pnt), or else by the file's
// extension (.txt, .dat, .pnt). Empty when neither says.
std::optional<SourceKind> KindFromArgs(const BatchArgs& args, const std::string& path, std::string& error);

// Loads FILE (the first positional) as a load command of the main window
// would. Prints every message; returns nullopt and sets exitCode when the
// load stopped (a usage problem gives kExitUsage).
std::optional<LoadedData> LoadForBatch(const BatchArgs& args, const BatchIo& io, const std::string& usage,
                                       int& exitCode);

}  // namespace zelkor::batch
