#pragma once

#include <variant>

namespace zelkor {

// The Twiss parameters of one plane's phase-space ellipse
// gamma u^2 + 2 alpha u u' + beta u'^2 = EPS.
struct TwissParameters {
    double beta = 0.0;   // m
    double gamma = 0.0;  // 1/m
    double alpha = 0.0;
    int sign = 1;  // +1 for "PLUS", -1 for "MINUS"
};

enum class TwissFailure { DivisionByZero, Domain };

// From the total half-size [mm], total half-divergence [mrad], emittance
// [pi mm mrad] and the chosen sign of alpha. EPS = 0 fails with
// DivisionByZero; an emittance larger in magnitude than size times divergence
// fails with Domain (beta * gamma - 1 < 0).
std::variant<TwissParameters, TwissFailure> TwissFromBeamSize(double total, double totalSlope, double eps, int sign);

}  // namespace zelkor
