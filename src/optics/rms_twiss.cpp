#include "optics/rms_twiss.hpp"

#include <cmath>

namespace zelkor {

RmsTwiss RmsTwissOf(const SigmaMatrix& m, int plane) {
    const std::size_t u = plane == 0 ? 0 : 2;
    const double uu = m.entry[u][u];
    const double upup = m.entry[u + 1][u + 1];
    const double uup = m.entry[u][u + 1];
    RmsTwiss t;
    // Rounding can leave a tiny negative determinant for a beam on a line.
    t.epsRms = std::sqrt(std::fmax(uu * upup - uup * uup, 0.0));
    t.beta = uu / t.epsRms;
    t.gamma = upup / t.epsRms;
    t.alpha = -uup / t.epsRms;
    return t;
}

} // namespace zelkor
