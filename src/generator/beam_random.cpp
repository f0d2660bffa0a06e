#include "generator/beam_random.hpp"

#include <cmath>

namespace zelkor {

double BeamRandom::normal() {
    double u1 = 0.0;
    double u2 = 0.0;
    do {
        u1 = uniform();
        u2 = uniform();
    } while (u1 == 0.0);
    return std::sqrt(-2.0 * std::log(u1)) * std::sin(6.283185307179586 * u2);
}

}  // namespace zelkor
