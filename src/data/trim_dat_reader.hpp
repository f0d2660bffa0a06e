#pragma once

#include "data/particle_reader.hpp"

namespace zelkor {

// TRIM.DAT: ten header lines, line 8 kept, then one record per line.
CheckResult CheckTrimDat(const std::filesystem::path& path, Progress& progress = NoProgress());
// Number of lines minus 5.
CountResult CountTrimDatLines(const std::filesystem::path& path, Progress& progress = NoProgress());
ReadResult ReadTrimDat(const std::filesystem::path& path, int lineCount, Progress& progress = NoProgress());

} // namespace zelkor
