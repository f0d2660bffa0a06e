#pragma once

#include "data/particle_reader.hpp"

namespace zelkor {

// WinAGILE point file: no header, one point per line (Y m, dY/dX rad, Z m,
// dZ/dX rad, dp/p, flag). Y and Z are stored in Angstrom.
CheckResult CheckWinAgilePoint(const ReadSource& source, Progress& progress = NoProgress());
// Number of lines plus 1.
CountResult CountWinAgileLines(const ReadSource& source, Progress& progress = NoProgress());
ReadResult ReadWinAgilePoint(const ReadSource& source, const CountResult& counted, Progress& progress = NoProgress());

}  // namespace zelkor
