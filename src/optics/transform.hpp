#pragma once

#include "data/particle_record.hpp"
#include "optics/transfer_matrix.hpp"

namespace zelkor {

// Transverse coordinates as the transfer matrix takes them: metres and radians.
struct TransversePoint {
    double y = 0.0;
    double yp = 0.0;
    double z = 0.0;
    double zp = 0.0;
};

// Y and Z from Angstrom, the slopes by the rule of the source kind.
inline TransversePoint TransverseOf(const ParticleRecord& r, bool holdsSlopes) {
    if (holdsSlopes) return {r.y * 1e-10, r.cos_y, r.z * 1e-10, r.cos_z};
    return {r.y * 1e-10, r.cos_y / r.cos_x, r.z * 1e-10, r.cos_z / r.cos_x};
}

// matrix * point, each row summed left to right.
inline TransversePoint ApplyTransfer(const TransferMatrix& m, const TransversePoint& p) {
    const auto row = [&](int r) {
        const auto& e = m[static_cast<std::size_t>(r)];
        return e[0] * p.y + e[1] * p.yp + e[2] * p.z + e[3] * p.zp;
    };
    return {row(0), row(1), row(2), row(3)};
}

// One line of the listing: the coordinates before and after the transform.
struct TransformRow {
    TransversePoint before;
    TransversePoint after;
};

inline TransformRow TransformOf(const ParticleRecord& r, bool holdsSlopes, const TransferMatrix& m) {
    const TransversePoint before = TransverseOf(r, holdsSlopes);
    return {before, ApplyTransfer(m, before)};
}

// The record as the transformed TRANSMIT.TXT or TRIM.DAT file writes it: new
// Y and Z in Angstrom, new cos_y and cos_z from the slope rows of the matrix
// (cos_x kept, the cosines not normalised again), in the order of operations
// the file has always used. Energy, depth, momentum and flag are kept.
ParticleRecord TransformCosineRecord(const ParticleRecord& r, const TransferMatrix& m);

}  // namespace zelkor
