#include "io/transmit_layout.hpp"

#include "io/printf_format.hpp"
#include "io/write_pass.hpp"

#include <array>

namespace zelkor {
namespace {

constexpr std::array<std::string_view, 9> kHeadLines = {
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
constexpr std::string_view kColumnTitles1 =
    " Ion  Atom   Energy        Depth       Lateral-Position        Atom Direction      ";
constexpr std::string_view kColumnTitles2 =
    " Numb Numb    (eV)          X(A)        Y(A)       Z(A)      Cos(X)  Cos(Y) Cos(Z) ";

}  // namespace

void AppendTransmitHeader(AtomicFile& file, std::string_view headerLine) {
    for (std::string_view line : kHeadLines) AppendLine(file, line);
    file.append("=");
    AppendLine(file, headerLine);
    AppendLine(file, kColumnTitles1);
    AppendLine(file, kColumnTitles2);
}

char* AppendTransmitPrefix(char* out, int number, int atomZ) {
    *out++ = 'T';
    // The letter and the number share five columns until the number needs them all.
    out = AppendBlanks(out, BlanksToWidth(number, 5));
    out = AppendInt(out, number);
    out = AppendBlanks(out, 2);
    return AppendInt(out, atomZ);
}

}  // namespace zelkor
