#pragma once

#include <cstdint>

namespace zelkor {

// One ion. Positions in Angstrom, energy in eV. For a WinAGILE set cos_y and
// cos_z hold the slopes dY/dX and dZ/dX (rad) and momentum holds dp/p.
struct ParticleRecord {
    double energy = 0.0;
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double cos_x = 0.0;
    double cos_y = 0.0;
    double cos_z = 0.0;
    double momentum = 0.0;
    std::uint8_t accepted = 1;
};

}  // namespace zelkor
