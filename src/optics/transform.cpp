#include "optics/transform.hpp"

namespace zelkor {

ParticleRecord TransformCosineRecord(const ParticleRecord& r, const TransferMatrix& m) {
    const double slopeY = r.cos_y / r.cos_x;
    const double slopeZ = r.cos_z / r.cos_x;
    const auto position = [&](const std::array<double, 4>& e) {
        return e[1] * 1e10 * slopeY + e[0] * r.y + e[2] * r.z + e[3] * 1e10 * slopeZ;
    };
    const auto cosine = [&](const std::array<double, 4>& e) {
        return r.cos_x * (slopeY * e[1]) + e[0] * 1e-10 * r.y + e[2] * 1e-10 * r.z + r.cos_x * (slopeZ * e[3]);
    };
    ParticleRecord out = r;
    out.y = position(m[0]);
    out.z = position(m[2]);
    out.cos_y = cosine(m[1]);
    out.cos_z = cosine(m[3]);
    return out;
}

}  // namespace zelkor
