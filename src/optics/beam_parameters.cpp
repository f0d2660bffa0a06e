#include "optics/beam_parameters.hpp"

#include "io/printf_format.hpp"

#include <cmath>
#include <numbers>

namespace zelkor {

PlaneParameters PlaneParametersOf(double uu, double uup, double upup) {
    const double products = uu * upup;
    const double square = uup * uup;
    const double difference = products - square;
    PlaneParameters p;
    // NaN (slopes of ions with cos_x = 0) stays NaN and shows as such.
    if (std::isnan(difference)) {
        p.emittance = difference;
        return p;
    }
    if (!(difference > 0.0)) return p;
    p.emittance = std::sqrt(difference);
    p.beta = uu / p.emittance;
    p.gamma = upup / p.emittance;
    p.alpha = -uup / p.emittance;
    p.defined = true;
    return p;
}

PlaneParameters PlaneParametersOf(const SigmaMatrix& sigma, Plane plane) {
    const std::size_t u = plane == Plane::Y ? 0 : 2;
    return PlaneParametersOf(sigma.entry[u][u], sigma.entry[u][u + 1], sigma.entry[u + 1][u + 1]);
}

std::array<std::string, 4> BeamParameterLines(const PlaneParameters& p, Plane plane) {
    const std::string name = plane == Plane::Y ? "(Y) = " : "(Z) = ";
    const auto twiss = [&](double value) { return p.defined ? FormatDouble("%lE", value) : std::string("undefined"); };
    return {
        "eps_rms" + name + FormatDouble("%lE", p.emittance) + " PI.mm.mrad",
        "beta" + name + twiss(p.beta) + (p.defined ? " m" : ""),
        "gamma" + name + twiss(p.gamma) + (p.defined ? " 1/m" : ""),
        "alpha" + name + twiss(p.alpha),
    };
}

std::vector<PhasePair> RmsEllipse(const PlaneParameters& p, PhasePair centre, int points) {
    std::vector<PhasePair> ellipse;
    if (!p.defined || !std::isfinite(p.beta) || !std::isfinite(p.alpha) || points < 2) return ellipse;
    // u = sqrt(eps beta) cos t, u' = -sqrt(eps / beta) (alpha cos t + sin t).
    const double width = std::sqrt(p.emittance * p.beta);
    const double height = std::sqrt(p.emittance / p.beta);
    ellipse.reserve(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i) {
        const double t = 2.0 * std::numbers::pi * i / (points - 1);
        ellipse.push_back({centre.u + width * std::cos(t), centre.up - height * (p.alpha * std::cos(t) + std::sin(t))});
    }
    ellipse.back() = ellipse.front();
    return ellipse;
}

}  // namespace zelkor
