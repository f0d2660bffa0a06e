#pragma once

#include "stats/gaussian_fit.hpp"
#include "stats/histogram.hpp"

namespace zelkor {

// False in a build without GSL: FitGaussian then answers NotAvailable.
bool GaussianFitAvailable();

// Fits a Gaussian to the counted histogram's intervals that hold ions, from
// MomentStart, by weighted nonlinear least squares. TooFewIntervals below
// kMinFitIntervals intervals with ions; NotConverged when the iteration stops
// without converging or ends at no usable Gaussian.
GaussianFit FitGaussian(const Histogram& histogram);

}  // namespace zelkor
