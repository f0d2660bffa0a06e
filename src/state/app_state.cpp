#include "state/app_state.hpp"

namespace zelkor {

void ResetForLoad(AppState& state) {
    state.relativisticCalculated = false;
    state.A = 1;
    state.n = 1;
    state.amu = 1.0;
    state.transferMatrix = IdentityMatrix4();
    state.copyTarget = CopyTarget::None;
    state.filter.fill(SigmaFilterState{});
    state.displayMode.fill(DisplayMode::Whole);
}

}  // namespace zelkor
