#include "stats/gaussian_fit.hpp"

#include "stats/number_format.hpp"
#include "stats/page_description.hpp"
#include "stats/quantity.hpp"

#include <cmath>
#include <numbers>

namespace zelkor {

std::vector<FitPoint> FitPoints(const Histogram& h) {
    const std::vector<double> edges = AccumulatedEdges(h.start, h.width, static_cast<int>(h.counts.size()));
    std::vector<FitPoint> points;
    for (std::size_t k = 0; k < h.counts.size(); ++k)
        if (h.counts[k] > 0) points.push_back({(edges[k] + edges[k + 1]) * 0.5, static_cast<double>(h.counts[k])});
    return points;
}

GaussianStart MomentStart(std::span<const FitPoint> points, double width) {
    double total = 0.0;
    double sum = 0.0;
    for (const FitPoint& p : points) {
        total += p.count;
        sum += p.count * p.x;
    }
    if (total <= 0.0) return {};
    GaussianStart start;
    start.mean = sum / total;
    double squares = 0.0;
    for (const FitPoint& p : points) squares += p.count * (p.x - start.mean) * (p.x - start.mean);
    start.sigma = std::sqrt(squares / total);
    if (start.sigma > 0.0) start.amplitude = total * width / (std::sqrt(2.0 * std::numbers::pi) * start.sigma);
    return start;
}

double GaussianValue(double amplitude, double mean, double sigma, double x) {
    const double t = (x - mean) / sigma;
    return amplitude * std::exp(-0.5 * t * t);
}

std::optional<Message> FitRefusal(const GaussianFit& fit) {
    switch (fit.status) {
        case FitStatus::Converged: return std::nullopt;
        case FitStatus::TooFewIntervals:
            return WarningMessage("Too few intervals hold ions for a Gaussian fit\nNumber of intervals with ions is: " +
                                  std::to_string(fit.intervalsWithIons) +
                                  "\nNumber of intervals with ions must be >= " + std::to_string(kMinFitIntervals));
        case FitStatus::NotConverged:
            return WarningMessage("The Gaussian fit does not converge\nTry another Range of interval");
        case FitStatus::NotAvailable: break;
    }
    return ErrorMessage("The Gaussian fit is not available in this build");
}

std::array<std::string, 4> GaussianFitLines(StatPage page, QuantityId quantity, int unitCode, const GaussianFit& fit) {
    const NumberFormat format = DescribePage(page).reportFormat;
    const std::string unit = " " + std::string(UnitSymbol(quantity, unitCode));
    const auto line = [&](std::string head, const FitParameter& p, const std::string& tail) {
        AppendNumber(head, format, p.value);
        head += " +- ";
        AppendNumber(head, format, p.error);
        return head + tail;
    };
    std::string chi = "chi2 / ndf = ";
    AppendNumber(chi, format, fit.chiSquare);
    chi += " / " + std::to_string(fit.degreesOfFreedom);
    return {line("Amplitude = ", fit.amplitude, " ions"), line("Mean = ", fit.mean, unit),
            line("Sigma = ", fit.sigma, unit), chi};
}

}  // namespace zelkor
