#include "generator/twiss.hpp"

#include <cmath>

namespace zelkor {

std::variant<TwissParameters, TwissFailure> TwissFromBeamSize(double total, double totalSlope, double eps, int sign) {
    if (eps == 0.0) return TwissFailure::DivisionByZero;
    TwissParameters p;
    p.beta = (total * total) / eps;
    p.gamma = (totalSlope * totalSlope) / eps;
    if (p.beta * p.gamma - 1 < 0) return TwissFailure::Domain;
    p.sign = sign;
    p.alpha = sign * std::sqrt(p.beta * p.gamma - 1);
    return p;
}

}  // namespace zelkor
