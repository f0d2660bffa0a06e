#pragma once

#include "data/particle_record.hpp"

namespace zelkor {

// The columns from the energy on, which the TRANSMIT.TXT and TRIM.DAT record
// lines share: energy and depth "%.6E" after fixed blank counts, Y and Z
// "%.10E" and the cosines "%.10f", with the sign-dependent blanks except before
// cos X. Writes at most 10 numbers plus blanks at out and returns the end.
// out: where to write; record: the ion; x: the depth to write (the ion's own or
// a fixed one); energyBlanks, xBlanks: blanks before energy and depth (0..64).
char* AppendSrimColumns(char* out, const ParticleRecord& record, double x, int energyBlanks, int xBlanks);

}  // namespace zelkor
