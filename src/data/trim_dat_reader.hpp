#pragma once

#include "data/particle_reader.hpp"

namespace zelkor {

// TRIM.DAT: ten header lines, line 8 kept, then one record per line.
CheckResult CheckTrimDat(const ReadSource& source, Progress& progress = NoProgress());
// Number of lines minus 5.
CountResult CountTrimDatLines(const ReadSource& source, Progress& progress = NoProgress());
ReadResult ReadTrimDat(const ReadSource& source, const CountResult& counted, Progress& progress = NoProgress());

}  // namespace zelkor
