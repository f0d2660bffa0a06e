#pragma once

#include "data/particle_record.hpp"
#include "data/source_kind.hpp"

namespace zelkor {

// The transverse phase space of one ion as the emittance page shows it:
// positions in mm, slopes in mrad.
enum class PhaseCoordinate { Y = 0, Yp = 1, Z = 2, Zp = 3 };

struct PhasePoint {
    double y = 0.0;   // mm
    double yp = 0.0;  // mrad
    double z = 0.0;   // mm
    double zp = 0.0;  // mrad

    double operator[](PhaseCoordinate c) const {
        switch (c) {
            case PhaseCoordinate::Y: return y;
            case PhaseCoordinate::Yp: return yp;
            case PhaseCoordinate::Z: return z;
            case PhaseCoordinate::Zp: return zp;
        }
        return 0.0;
    }
};

// A WinAGILE import keeps the slopes themselves in cos_y and cos_z; the other
// kinds keep direction cosines, whose slope is the ratio to cos_x.
inline bool HoldsSlopes(SourceKind kind) { return kind == SourceKind::WinAgile; }

// The values the sigma matrix and the automatic axis ranges use: the position
// and slope quantities in mm and mrad, divided and scaled as the statistics do.
inline PhasePoint PhasePointOf(const ParticleRecord& r, bool holdsSlopes) {
    if (holdsSlopes) return {r.y / 10000000.0, 1000.0 * r.cos_y, r.z / 10000000.0, 1000.0 * r.cos_z};
    return {r.y / 10000000.0, 1000.0 * (r.cos_y / r.cos_x), r.z / 10000000.0, 1000.0 * (r.cos_z / r.cos_x)};
}

// The values of a plotted point, computed the way the chart always did
// (multiplied rather than divided, so the last bit may differ from the above).
inline PhasePoint PlotPointOf(const ParticleRecord& r, bool holdsSlopes) {
    if (holdsSlopes) return {r.y * 1e-7, r.cos_y * 1000.0, r.z * 1e-7, r.cos_z * 1000.0};
    return {r.y * 1e-7, (r.cos_y / r.cos_x) * 1000.0, r.z * 1e-7, (r.cos_z / r.cos_x) * 1000.0};
}

}  // namespace zelkor
