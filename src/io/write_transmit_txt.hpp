#pragma once

#include "data/message.hpp"
#include "data/particle_set.hpp"
#include "data/progress.hpp"

#include <filesystem>
#include <optional>
#include <string_view>

namespace zelkor {

// Writes the accepted records of a set in the TRANSMIT.TXT layout of the
// SRIM/TRIM program, numbered from 1, every line ended by CR LF. The file is
// replaced only when the whole write succeeds. Returns nothing on success, the
// caller's open-failure message or "Cannot close a file!" otherwise.
// path: the file to write (replaced if it exists);
// set: the ions, records 1..count, only those with accepted = 1 are written;
// headerLine: header line 10 after its "=", as the reader kept it (its own line end is replaced by CR LF);
// atomZ: the Z written on every line;
// energyBlanks: blanks before the energy (1 for Save > Filtered File and Save > Transformed File);
// xBlanks: blanks before the depth (2 for Save > Filtered File, 1 for Save > Transformed File);
// openFailureText: the caller's message when the file cannot be opened;
// progress: advanced by 1 at every visited index that is a multiple of count / 100.
std::optional<Message> WriteTransmitTxt(const std::filesystem::path& path, const ParticleSet& set,
                                        std::string_view headerLine, int atomZ, int energyBlanks, int xBlanks,
                                        std::string_view openFailureText, Progress& progress = NoProgress());

}  // namespace zelkor
