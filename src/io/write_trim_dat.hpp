#pragma once

#include "data/message.hpp"
#include "data/particle_set.hpp"
#include "data/progress.hpp"

#include <filesystem>
#include <optional>
#include <string_view>

namespace zelkor {

// Writes the accepted records of a set in the TRIM.DAT layout (the incident
// ions the SRIM/TRIM program reads), numbered from 1, every line ended by
// CR LF. The file is replaced only when the whole write succeeds. Returns
// nothing on success, the caller's open-failure message or "Cannot close a
// file!" otherwise.
// path: the file to write (replaced if it exists);
// set: the ions, records 1..count, only those with accepted = 1 are written;
// descriptionLine: header line 8 (a line end it brings is replaced by CR LF);
// atomZ: the Z written on every line;
// energyBlanks: blanks before the energy (1 for Save > Filtered File, 3 for the TRANSMIT.TXT conversion);
// xBlanks: blanks before the depth (2, or 1 for Save > Transformed File);
// fixedX: when given, the depth written for every ion instead of its own x (Angstrom);
// openFailureText: the caller's message when the file cannot be opened;
// progress: advanced by 1 at every visited index that is a multiple of count / 100.
std::optional<Message> WriteTrimDat(const std::filesystem::path& path, const ParticleSet& set,
                                    std::string_view descriptionLine, int atomZ, int energyBlanks, int xBlanks,
                                    std::optional<double> fixedX, std::string_view openFailureText,
                                    Progress& progress = NoProgress());

}  // namespace zelkor
