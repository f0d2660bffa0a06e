#pragma once

#include "stats/gaussian_fit.hpp"
#include "stats/histogram.hpp"

#include <QVector>

namespace zelkor {

// A fitted Gaussian sampled for the histogram chart, whose bars stand at
// 1, 2, ... N: key k + t is the value t widths beyond interval k's centre.
// Points too small for a logarithmic axis are left out (NaN, a gap).
struct FitCurve {
    QVector<double> keys;
    QVector<double> values;
};
FitCurve SampleFitCurve(const Histogram& histogram, const GaussianFit& fit);

}  // namespace zelkor
