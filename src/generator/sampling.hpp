#pragma once

#include "data/progress.hpp"
#include "generator/beam_random.hpp"

#include <optional>

namespace zelkor {

// The sampling operations of the beam generator. Those that draw again until
// a value falls inside its limits give up after kMaxSamplingTries tries and
// return nullopt, so that no input (a sigma far wider than its limits, limits
// that no value can meet) can keep the program busy for ever. Progress yields
// between tries.
inline constexpr int kMaxSamplingTries = 1000000;

// z * s, drawn again until -t <= value <= t.
std::optional<double> SampleGaussianCentred(BeamRandom& random, double t, double s, Progress& progress = NoProgress());

// -t + (t - (-t)) * u, in [-t, t).
double SampleUniformSymmetric(BeamRandom& random, double t);

// E0 + z * (dE / n), drawn again until E0 - dE <= value <= E0 + dE.
std::optional<double> SampleEnergy(BeamRandom& random, double e0, double dE, double n,
                                   Progress& progress = NoProgress());

// z * s + m with m the middle of the window, drawn again until
// lower <= value <= upper. A window shrunk to one value (a position on the
// edge of the ellipse) has only that value: it is returned without a draw.
// A window that is no interval (upper < lower, or not a number) has no value
// at all: nullopt without a draw.
std::optional<double> SampleGaussianBetween(BeamRandom& random, double upper, double lower, double s,
                                            Progress& progress = NoProgress());

// lower + (upper - lower) * u.
double SampleUniformBetween(BeamRandom& random, double upper, double lower);

}  // namespace zelkor
