#pragma once

#include "data/particle_reader.hpp"

namespace zelkor {

// TRANSMIT.TXT (and TRIMOUT.txt) of the SRIM/TRIM program: twelve header lines,
// line 10 kept, then one record per line.
CheckResult CheckTransmitTxt(const std::filesystem::path& path, Progress& progress = NoProgress());
// Number of lines minus 11: one more than the number of record lines.
CountResult CountTransmitTxtLines(const std::filesystem::path& path, Progress& progress = NoProgress());
ReadResult ReadTransmitTxt(const std::filesystem::path& path, int lineCount, Progress& progress = NoProgress());

} // namespace zelkor
