#include "data/app_state.hpp"

namespace zelkor {

Matrix4 IdentityMatrix4() {
    Matrix4 m{};
    for (int i = 0; i < 4; ++i) m[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)] = 1.0;
    return m;
}

void ResetForLoad(AppState& state) {
    state.relativisticCalculated = false;
    state.A = 1;
    state.n = 1;
    state.amu = 1.0;
    state.transferMatrix = IdentityMatrix4();
    state.copyTarget = 0;
    state.filter.fill(SigmaFilterState{});
    state.displayMode.fill(DisplayMode::Whole);
}

} // namespace zelkor
