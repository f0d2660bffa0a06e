#pragma once

// The text layout of SRIM's two record files: the readers recognise and skip
// it, the writers reproduce it, so both take it from here.

#include <array>
#include <string_view>

namespace zelkor {

// TRANSMIT.TXT (and the newer TRIMOUT.txt, read the same way): nine banner
// lines, line 10 "=" and the run's own line (kept at load and written back),
// two lines of column titles, then one record per line.
namespace transmit_txt {
inline constexpr std::array<std::string_view, 9> kBannerLines = {
    "============================== SRIM-2003.26 ==============================",
    "==============================================================================",
    "=================  TRANSMIT.txt : File of Transmitted Ions  ==================",
    "=  This file tabulates the kinetics of ions or atoms leaving the target.     =",
    "=  Column #1: S= Sputtered Atom, B= Backscattered Ion, T= Transmitted Ion.   =",
    "=  Col.#2: Ion Number, Col.#3: Z of atom leaving, Col.#4: Atom energy (eV).  =",
    "=  Col.#5-7: Last location:  X= Depth into target, Y,Z= Transverse axes.     =",
    "=  Col.#8-10: Cosines of final trajectory.  NOTE: Use hotkey  C  for details.=",
    "= *** This data file is in the same format as TRIM.DAT (see manual for uses).=",
};
inline constexpr int kKeptLine = 10;
// What a writer puts before the kept line: line 10 of a written file (and line
// 8 of a TRIM.DAT converted from it) is "=" and line 10 as it was read.
inline constexpr std::string_view kKeptLinePrefix = "=";
inline constexpr std::string_view kColumnTitles1 =
    " Ion  Atom   Energy        Depth       Lateral-Position        Atom Direction      ";
inline constexpr std::string_view kColumnTitles2 =
    " Numb Numb    (eV)          X(A)        Y(A)       Z(A)      Cos(X)  Cos(Y) Cos(Z) ";
inline constexpr int kHeaderLines = 12;

// A file is one when a line holds a marker from its second character on.
inline constexpr std::array<std::string_view, 2> kMarkers = {
    "TRANSMIT.txt : File of Transmitted Ions",
    "TRIMOUT.txt: File of Transmitted / Backscattered / Sputtered Atoms",
};

static_assert(kHeaderLines == static_cast<int>(kBannerLines.size()) + 3 && kKeptLine == kHeaderLines - 2);
// What the writers write, the readers take for the kind.
static_assert(kBannerLines[2].find(kMarkers[0]) != std::string_view::npos);
}  // namespace transmit_txt

// TRIM.DAT: seven banner lines, line 8 the description (kept at load and
// written back), two lines of column titles, then one record per line.
namespace trim_dat {
inline constexpr std::array<std::string_view, 7> kBannerLines = {
    "=========== TRIM with various Incident Ion Energies/Angles and Depths =========",
    "= This file tabulates the kinetics of incident ions or atoms.                 =",
    "= Col.#1: Ion Number, Col.#2: Z of atom leaving, Col.#3: Atom energy (eV).    =",
    "= Col.#4-6: Last location:  Col.#4: X= Depth into target.                     =",
    "= Col.#5,6: Y,Z= Transverse axes                                              =",
    "= Col.#7-9: Cosines of final trajectory.                                      =",
    "================ Typical Data File is shown below  ============================",
};
inline constexpr int kKeptLine = 8;
inline constexpr std::string_view kColumnTitles1 =
    "Event  Atom  Energy  Depth   Lateral-Position   ----- Atom Direction ----";
inline constexpr std::string_view kColumnTitles2 =
    "Name   Numb   (eV)    _X_(A)   _Y_(A)  _Z_(A)   Cos(X)   Cos(Y)   Cos(Z)";
inline constexpr int kHeaderLines = 10;

// The second column-title line from its second character on: the first is
// not searched (see transmit_txt::kMarkers).
inline constexpr std::string_view kMarker = kColumnTitles2.substr(1);

static_assert(kHeaderLines == static_cast<int>(kBannerLines.size()) + 3 && kKeptLine == kHeaderLines - 2);
}  // namespace trim_dat

}  // namespace zelkor
