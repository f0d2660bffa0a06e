#pragma once

#include "optics/phase_space.hpp"

namespace zelkor {

// One coordinate of a record as PhasePointOf (Plotted false) or PlotPointOf
// (Plotted true) computes it, with the coordinate and the source's kind known
// at compile time: a pass then computes and reads only what it needs.
template <bool Plotted, bool HoldsSlopes, PhaseCoordinate C>
struct CoordinateOf {
    double operator()(const ParticleRecord& r) const {
        const PhasePoint p = Plotted ? PlotPointOf(r, HoldsSlopes) : PhasePointOf(r, HoldsSlopes);
        if constexpr (C == PhaseCoordinate::Y) return p.y;
        if constexpr (C == PhaseCoordinate::Yp) return p.yp;
        if constexpr (C == PhaseCoordinate::Z) return p.z;
        return p.zp;
    }
};

// Calls f with the CoordinateOf of a coordinate and kind decided once, outside the loops.
template <bool Plotted, class F>
void WithCoordinate(PhaseCoordinate coordinate, bool holdsSlopes, F&& f) {
    const auto withKind = [&]<bool Holds>() {
        switch (coordinate) {
            case PhaseCoordinate::Y: return f(CoordinateOf<Plotted, Holds, PhaseCoordinate::Y>{});
            case PhaseCoordinate::Yp: return f(CoordinateOf<Plotted, Holds, PhaseCoordinate::Yp>{});
            case PhaseCoordinate::Z: return f(CoordinateOf<Plotted, Holds, PhaseCoordinate::Z>{});
            case PhaseCoordinate::Zp: return f(CoordinateOf<Plotted, Holds, PhaseCoordinate::Zp>{});
        }
    };
    if (holdsSlopes)
        withKind.template operator()<true>();
    else
        withKind.template operator()<false>();
}

}  // namespace zelkor
