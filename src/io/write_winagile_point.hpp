#pragma once

#include "data/message.hpp"
#include "data/particle_set.hpp"
#include "data/progress.hpp"

#include <filesystem>
#include <optional>
#include <string_view>

namespace zelkor {

// What the records of the set hold, and so how the point fields are made.
enum class PointFileSource {
    TransmitTxt,  // positions in Angstrom and direction cosines: slopes are cos_y / cos_x, cos_z / cos_x; dp/p is 0
    WinAgile,     // slopes and dp/p as stored (a set read from a point file)
};

// Writes the accepted records of a set as a WinAGILE point file: no header,
// one line "Y dY/dX Z dZ/dX dp/p 65535" per record, tab-separated, positions
// in metres, every line ended by CR LF. The file is replaced only when the
// whole write succeeds. Returns nothing on success, the caller's open-failure
// message or "Cannot close a file!" otherwise.
// path: the file to write (replaced if it exists);
// set: the ions, records 1..count, only those with accepted = 1 are written;
// source: what the records hold (Export from TRANSMIT.TXT, or Save > Filtered File of a point-file set);
// openFailureText: the caller's message when the file cannot be opened;
// progress: advanced by 1 at every visited index that is a multiple of count / 100.
std::optional<Message> WriteWinAgilePoint(const std::filesystem::path& path, const ParticleSet& set,
                                          PointFileSource source, std::string_view openFailureText,
                                          Progress& progress = NoProgress());

}  // namespace zelkor
