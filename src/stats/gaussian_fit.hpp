#pragma once

#include "data/message.hpp"
#include "stats/histogram.hpp"
#include "state/quantity_id.hpp"
#include "state/stat_page.hpp"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zelkor {

// What a Gaussian fit of a histogram gives. The fit itself needs GSL and lives
// in its own library (stats/fit); these plain types are shared by everything
// that shows a fit.

struct FitParameter {
    double value = 0.0;
    double error = 0.0;
};

enum class FitStatus { Converged, TooFewIntervals, NotConverged, NotAvailable };

// amplitude * exp(-(x - mean)^2 / (2 sigma^2)) in ions per interval, fitted
// to the interval centres by least squares weighted with 1 / count; intervals
// without ions take no part (a chi-square fit's default). Errors are the
// square roots of the covariance diagonal, not scaled by chi2 / ndf.
struct GaussianFit {
    FitStatus status = FitStatus::NotAvailable;
    FitParameter amplitude;
    FitParameter mean;
    FitParameter sigma;  // positive
    double chiSquare = 0.0;
    int degreesOfFreedom = 0;  // intervals with ions - 3
    int intervalsWithIons = 0;
    int iterations = 0;
};

// Three parameters and at least one degree of freedom.
inline constexpr int kMinFitIntervals = 4;

// One interval that holds ions: its centre (as the graph labels it) and count.
struct FitPoint {
    double x = 0.0;
    double count = 0.0;
};
std::vector<FitPoint> FitPoints(const Histogram& histogram);

// The start of the fit from the moments of the points: their mean and
// standard deviation, and the amplitude of a Gaussian with the same area.
struct GaussianStart {
    double amplitude = 0.0;
    double mean = 0.0;
    double sigma = 0.0;
};
GaussianStart MomentStart(std::span<const FitPoint> points, double width);

double GaussianValue(double amplitude, double mean, double sigma, double x);

// The message for a fit that gave no parameters; nothing when it converged.
std::optional<Message> FitRefusal(const GaussianFit& fit);

// "Amplitude = ... +- ... ions", "Mean = ... +- ... keV", "Sigma = ... +- ... keV",
// "chi2 / ndf = ... / n", numbers in the page's report format.
std::array<std::string, 4> GaussianFitLines(StatPage page, QuantityId quantity, int unitCode, const GaussianFit& fit);

}  // namespace zelkor
