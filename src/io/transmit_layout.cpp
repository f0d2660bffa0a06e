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
constexpr std::string_view kColumnTitles1 = " Ion  Atom   Energy        Depth       Lateral-Position        Atom Direction      ";
constexpr std::string_view kColumnTitles2 = " Numb Numb    (eV)          X(A)        Y(A)       Z(A)      Cos(X)  Cos(Y) Cos(Z) ";

// The letter and the number share five columns until the number needs them all.
int BlanksAfterLetter(int number) {
    if (number < 10) return 4;
    if (number < 100) return 3;
    if (number < 1000) return 2;
    if (number < 10000) return 1;
    return 0;
}

} // namespace

void AppendTransmitHeader(AtomicFile& file, std::string_view headerLine) {
    for (std::string_view line : kHeadLines) AppendLine(file, line);
    file.append("=");
    AppendLine(file, headerLine);
    AppendLine(file, kColumnTitles1);
    AppendLine(file, kColumnTitles2);
}

char* AppendTransmitPrefix(char* out, int number, int atomZ) {
    *out++ = 'T';
    out = AppendBlanks(out, BlanksAfterLetter(number));
    out = AppendInt(out, number);
    out = AppendBlanks(out, 2);
    return AppendInt(out, atomZ);
}

} // namespace zelkor
