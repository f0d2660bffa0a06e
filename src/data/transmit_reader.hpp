#pragma once

#include "data/particle_reader.hpp"

namespace zelkor {

// TRANSMIT.TXT (and TRIMOUT.txt) of the SRIM/TRIM program: twelve header lines,
// line 10 kept, then one record per line.
CheckResult CheckTransmitTxt(const ReadSource& source, Progress& progress = NoProgress());
// Number of lines minus 11: one more than the number of record lines.
CountResult CountTransmitTxtLines(const ReadSource& source, Progress& progress = NoProgress());
ReadResult ReadTransmitTxt(const ReadSource& source, const CountResult& counted, Progress& progress = NoProgress());

}  // namespace zelkor
