#pragma once

#include "generator/twiss.hpp"

#include <optional>

namespace zelkor {

// The slopes [mrad] where the ellipse gamma u^2 + 2 alpha u u' + beta u'^2 = EPS
// meets the line u = position [mm].
struct SlopeWindow {
    double upper = 0.0;
    double lower = 0.0;
};

// nullopt when the discriminant is negative (the position lies outside the
// ellipse, which for a sampled position happens only by rounding on its edge).
std::optional<SlopeWindow> SlopeWindowAt(double position, const TwissParameters& twiss, double eps);

// The one slope of the ellipse at a position on its edge (|position| equal
// to the total half-size), where the window shrinks to a single value.
SlopeWindow EdgeSlope(double position, const TwissParameters& twiss, double eps);

}  // namespace zelkor
