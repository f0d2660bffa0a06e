#pragma once

#include "optics/sigma_matrix.hpp"

#include <array>
#include <string>
#include <vector>

namespace zelkor {

// The rms emittance and Twiss parameters of one transverse plane, from the
// second moments of position u [mm] and slope u' [mrad].
struct PlaneParameters {
    double emittance = 0.0;  // PI.mm.mrad
    // beta [m], gamma [1/m], alpha [1]: meaningful only when defined.
    double beta = 0.0;
    double gamma = 0.0;
    double alpha = 0.0;
    // False when the emittance is 0: fewer than two distinct ions, or a beam
    // whose points lie on one line, has no ellipse.
    bool defined = false;
};

enum class Plane { Y, Z };

// eps = sqrt(<u u> <u' u'> - <u u'>^2) (products first, then the difference,
// then the root); beta = <u u> / eps, gamma = <u' u'> / eps, alpha = -<u u'> / eps.
// A difference that rounding leaves below zero belongs to a line-shaped beam:
// its emittance is 0.
PlaneParameters PlaneParametersOf(double uu, double uup, double upup);

// The plane's entries as the sigma-matrix box shows them (<Y Y'> is row Y, column Y').
PlaneParameters PlaneParametersOf(const SigmaMatrix& sigma, Plane plane);

// "eps_rms(Y) = %lE PI.mm.mrad", "beta(Y) = %lE m", "gamma(Y) = %lE 1/m",
// "alpha(Y) = %lE"; the Twiss lines say "undefined" in place of the number
// when the emittance is 0.
std::array<std::string, 4> BeamParameterLines(const PlaneParameters& parameters, Plane plane);

struct PhasePair {
    double u = 0.0;
    double up = 0.0;
};

// The rms ellipse gamma u^2 + 2 alpha u u' + beta u'^2 = eps about the beam's
// centre, as a closed polygon of the given number of points (first = last).
// Empty when the parameters are undefined.
std::vector<PhasePair> RmsEllipse(const PlaneParameters& parameters, PhasePair centre, int points = 181);

}  // namespace zelkor
