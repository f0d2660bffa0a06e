#include "bindings/optics_calls.hpp"

#include "bindings/binding_error.hpp"
#include "optics/phase_space.hpp"
#include "optics/sigma_matrix.hpp"
#include "optics/transform.hpp"

namespace zelkor::bindings {

TransferMatrix CheckedMatrix(const std::array<std::string, 16>& texts) {
    TransferMatrix m = IdentityMatrix4();
    if (const auto refusal = ReadTransferMatrix(texts, m)) Refuse(*refusal);
    return m;
}

Session TransformSession(const Session& session, const TransferMatrix& matrix) {
    Session out;
    out.state = session.state;
    out.state.transferMatrix = matrix;
    out.set = ParticleSet(session.set.count + 1);
    out.set.count = session.set.count;
    const bool points = HoldsSlopes(session.state.sourceKind);
    for (int i = 1; i <= session.set.count; ++i) {
        const ParticleRecord& r = session.set.record(i);
        ParticleRecord& moved = out.set.record(i);
        if (!points) {
            moved = TransformCosineRecord(r, matrix);
            continue;
        }
        // A point set stores metres as Angstrom and the slopes themselves.
        const TransversePoint p = TransformOf(r, true, matrix).after;
        moved = r;
        moved.y = p.y * 1e10;
        moved.cos_y = p.yp;
        moved.z = p.z * 1e10;
        moved.cos_z = p.zp;
    }
    return out;
}

std::array<PlaneParameters, 2> BeamParametersOf(const SigmaMatrix& sigma) {
    return {PlaneParametersOf(sigma, Plane::Y), PlaneParametersOf(sigma, Plane::Z)};
}

}  // namespace zelkor::bindings
