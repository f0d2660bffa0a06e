#pragma once

#include "optics/sigma_matrix.hpp"

namespace zelkor {

// The beam's own ellipse in one transverse plane, from the second moments of
// the sigma matrix: eps = sqrt(<uu><u'u'> - <uu'>^2) [mm mrad], beta =
// <uu> / eps [m], gamma = <u'u'> / eps [1/m], alpha = -<uu'> / eps, so that
// beta * gamma - alpha^2 = 1 as for the generator's Twiss parameters. A
// plane without spread has eps 0 and the three others not finite.
struct RmsTwiss {
    double epsRms = 0.0;
    double beta = 0.0;
    double gamma = 0.0;
    double alpha = 0.0;
};

// Plane Y from rows and columns 0 and 1, plane Z from 2 and 3.
RmsTwiss RmsTwissOf(const SigmaMatrix& m, int plane);

} // namespace zelkor
