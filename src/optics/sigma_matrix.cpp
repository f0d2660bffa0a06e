#include "optics/sigma_matrix.hpp"

#include "io/printf_format.hpp"

namespace zelkor {
namespace {

PhasePoint MeanPoint(const ParticleSet& set, bool holdsSlopes, Progress& progress) {
    PhasePoint sum;
    for (int i = 1; i <= set.count; ++i) {
        const PhasePoint p = PhasePointOf(set.record(i), holdsSlopes);
        sum.y += p.y;
        sum.yp += p.yp;
        sum.z += p.z;
        sum.zp += p.zp;
        progress.yield();
    }
    const double n = set.count;
    return {sum.y / n, sum.yp / n, sum.z / n, sum.zp / n};
}

}  // namespace

double CentralMoment(const ParticleSet& set, SourceKind kind, PhaseCoordinate a, PhaseCoordinate b) {
    if (set.count == 0) return 0.0;
    const bool holdsSlopes = HoldsSlopes(kind);
    const PhasePoint mean = MeanPoint(set, holdsSlopes, NoProgress());
    double sum = 0.0;
    for (int i = 1; i <= set.count; ++i) {
        const PhasePoint p = PhasePointOf(set.record(i), holdsSlopes);
        sum += (p[a] - mean[a]) * (p[b] - mean[b]);
    }
    return sum / set.count;
}

SigmaMatrix ComputeSigmaMatrix(const ParticleSet& set, SourceKind kind, Progress& progress) {
    SigmaMatrix result;
    if (set.count > 0) {
        const bool holdsSlopes = HoldsSlopes(kind);
        const PhasePoint mean = MeanPoint(set, holdsSlopes, progress);
        std::array<std::array<double, 4>, 4> sum{};
        for (int i = 1; i <= set.count; ++i) {
            const PhasePoint p = PhasePointOf(set.record(i), holdsSlopes);
            const std::array<double, 4> d = {p.y - mean.y, p.yp - mean.yp, p.z - mean.z, p.zp - mean.zp};
            // Each entry keeps its own sum in index order, so the result is
            // the same as computing the entries one after another.
            for (std::size_t r = 0; r < 4; ++r)
                for (std::size_t c = 0; c < 4; ++c) sum[r][c] += d[r] * d[c];
            progress.yield();
        }
        for (std::size_t r = 0; r < 4; ++r)
            for (std::size_t c = 0; c < 4; ++c) result.entry[r][c] = sum[r][c] / set.count;
    }
    for (int k = 0; k < 16; ++k) progress.advance(k < 15 ? 6 : 10);
    return result;
}

std::string FormatSigmaEntry(double value) { return FormatDouble("%.7lE", value); }

}  // namespace zelkor
