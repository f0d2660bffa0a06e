#pragma once

#include "state/app_state.hpp"
#include "data/particle_set.hpp"
#include "state/quantity_id.hpp"

#include <optional>
#include <string>

namespace zelkor {

// A click on a quantity radio button (after the window hid the page's table
// and graph): the quantity becomes its page's, the page's filter goes back to
// "No Filter" with every ion accepted, and the result is the new caption of the
// page's interval-width edit, or nothing when the caption stays as it was (the
// position and angle pages relabel only while a TRANSMIT.TXT file is loaded).
std::optional<std::string> SelectQuantity(AppState& state, ParticleSet& set, QuantityId quantity);

}  // namespace zelkor
