#pragma once

#include "state/app_state.hpp"
#include "stats/quantity_selection.hpp"

namespace zelkor {

// The quantity a page currently shows; the momentum page has only Mom.
QuantityId PageQuantity(const AppState& state, StatPage page);
// Makes quantity the current one of its own page (for the energy page this
// also decides needsMass). Nothing else changes.
void SetPageQuantity(AppState& state, QuantityId quantity);

// The selection the page computes with at this moment: its quantity, that
// quantity's unit code, the source kind, A and amu.
QuantitySelection SelectionFor(const AppState& state, StatPage page);

}  // namespace zelkor
