#include "io/trim_dat_layout.hpp"

#include "io/printf_format.hpp"
#include "io/write_pass.hpp"

#include <array>

namespace zelkor {
namespace {

constexpr std::array<std::string_view, 7> kHeadLines = {
    "=========== TRIM with various Incident Ion Energies/Angles and Depths =========",
    "= This file tabulates the kinetics of incident ions or atoms.                 =",
    "= Col.#1: Ion Number, Col.#2: Z of atom leaving, Col.#3: Atom energy (eV).    =",
    "= Col.#4-6: Last location:  Col.#4: X= Depth into target.                     =",
    "= Col.#5,6: Y,Z= Transverse axes                                              =",
    "= Col.#7-9: Cosines of final trajectory.                                      =",
    "================ Typical Data File is shown below  ============================",
};
constexpr std::string_view kColumnTitles1 = "Event  Atom  Energy  Depth   Lateral-Position   ----- Atom Direction ----";
constexpr std::string_view kColumnTitles2 = "Name   Numb   (eV)    _X_(A)   _Y_(A)  _Z_(A)   Cos(X)   Cos(Y)   Cos(Z)";

}  // namespace

void AppendTrimDatHeader(AtomicFile& file, std::string_view description) {
    for (std::string_view line : kHeadLines) AppendLine(file, line);
    AppendLine(file, description);
    AppendLine(file, kColumnTitles1);
    AppendLine(file, kColumnTitles2);
}

char* AppendTrimDatPrefix(char* out, int number, int atomZ) {
    out = AppendInt(out, number);
    out = AppendBlanks(out, BlanksToWidth(number, 6, 1));
    out = AppendBlanks(out, BlanksToWidth(atomZ, 3));
    return AppendInt(out, atomZ);
}

}  // namespace zelkor
