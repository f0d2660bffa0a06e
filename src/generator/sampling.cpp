#include "generator/sampling.hpp"

namespace zelkor {
namespace {

// Draws make(z) until inside(value) holds or the tries run out.
template <typename Make, typename Inside>
std::optional<double> Retry(BeamRandom& random, Progress& progress, Make make, Inside inside) {
    for (int tries = 0; tries < kMaxSamplingTries; ++tries) {
        const double value = make(random.normal());
        if (inside(value)) return value;
        progress.yield();
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> SampleGaussianCentred(BeamRandom& random, double t, double s, Progress& progress) {
    return Retry(
        random, progress, [s](double z) { return z * s; }, [t](double v) { return -t <= v && v <= t; });
}

double SampleUniformSymmetric(BeamRandom& random, double t) { return -t + (t - (-t)) * random.uniform(); }

std::optional<double> SampleEnergy(BeamRandom& random, double e0, double dE, double n, Progress& progress) {
    return Retry(
        random, progress, [&](double z) { return e0 + z * (dE / n); },
        [&](double v) { return e0 - dE <= v && v <= e0 + dE; });
}

std::optional<double> SampleGaussianBetween(BeamRandom& random, double upper, double lower, double s,
                                            Progress& progress) {
    if (upper == lower) return lower;
    if (!(lower < upper)) return std::nullopt;
    const double m = lower + (upper - lower) * 0.5;
    return Retry(
        random, progress, [&](double z) { return z * s + m; }, [&](double v) { return lower <= v && v <= upper; });
}

double SampleUniformBetween(BeamRandom& random, double upper, double lower) {
    return lower + (upper - lower) * random.uniform();
}

}  // namespace zelkor
