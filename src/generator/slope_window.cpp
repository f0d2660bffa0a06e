#include "generator/slope_window.hpp"

#include <cmath>

namespace zelkor {

std::optional<SlopeWindow> SlopeWindowAt(double u, const TwissParameters& t, double eps) {
    const double u2 = u * u;
    const double d = 4 * (t.alpha * t.alpha) * u2 / (eps * eps) - (u2 * t.gamma / eps - 1) * (4 * t.beta / eps);
    if (d < 0) return std::nullopt;
    const double root = std::sqrt(d);
    const double shift = 2 * t.alpha * u / eps;
    const double scale = 2 * t.beta / eps;
    return SlopeWindow{(root - shift) / scale, (-shift - root) / scale};
}

SlopeWindow EdgeSlope(double u, const TwissParameters& t, double eps) {
    const double slope = -(2 * t.alpha * u / eps) / (2 * t.beta / eps);
    return {slope, slope};
}

}  // namespace zelkor
