#pragma once

#include "state/app_state.hpp"
#include "data/message.hpp"
#include "data/particle_set.hpp"
#include "data/progress.hpp"

#include <optional>
#include <string_view>

namespace zelkor {

// The relativistic window's "Calculation" as far as the set is concerned:
// the kind and the typed species checked in the window's order (n only when
// given, as with the rigidity box checked), then A, amu (and n) kept, every
// ion's momentum computed and the momentum marked valid. A refusal changes
// nothing.
std::optional<Message> TakeSpecies(std::string_view aText, std::string_view amuText, AppState& state, ParticleSet& set,
                                   std::optional<std::string_view> nText = std::nullopt,
                                   Progress& progress = NoProgress());

}  // namespace zelkor
