#pragma once

#include "state/app_state.hpp"
#include "data/message.hpp"
#include "data/particle_set.hpp"
#include "data/source_kind.hpp"
#include "state/stat_page.hpp"

#include <optional>

namespace zelkor {

inline constexpr const char* kMissingMassText =
    "Missing value A (number of nucleons) and amu (ion mass in atomic mass unit)";

// The common precondition of every statistics action: the message to show and
// stop after, or nothing when the page may compute.
std::optional<Message> CheckAvailability(StatPage page, SourceKind sourceKind, bool relativisticCalculated,
                                         bool needsMass);

// The same for the current state, and a loaded file without a single ion
// counts as no data: there is nothing to take a minimum or a mean of.
std::optional<Message> CheckAvailability(StatPage page, const AppState& state, const ParticleSet& set);

}  // namespace zelkor
