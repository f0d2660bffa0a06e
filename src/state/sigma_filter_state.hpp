#pragma once

namespace zelkor {

// A page's committed n-sigma filter; multiplier means something only while active.
struct SigmaFilterState {
    bool active = false;
    double multiplier = 0.0;
};

}  // namespace zelkor
