#include "support/srim_text.hpp"

namespace zelkor::test {

std::string Lines(const std::vector<std::string>& lines, const std::string& eol) {
    std::string text;
    for (const auto& line : lines) text += line + eol;
    return text;
}

std::string SrimTransmitHeader(const std::string& line10, const std::string& eol, const std::string& banner) {
    return Lines({"============================== SRIM-2013.00 ==============================",
                  "==============================================================================", banner,
                  "=  This file tabulates the kinetics of ions or atoms leaving the target.     =",
                  "=  Column #1: S= Sputtered Atom, B= Backscattered Ion, T= Transmitted Ion.   =",
                  "=  Col.#2: Ion Number, Col.#3: Z of atom leaving, Col.#4: Atom energy (eV).  =",
                  "=  Col.#5-7: Last location:  X= Depth into target, Y,Z= Transverse axes.     =",
                  "=  Col.#8-10: Cosines of final trajectory.                                   =",
                  "= *** This data file is in the same format as TRIM.DAT (see manual for uses).=", line10,
                  " Ion  Atom   Energy        Depth       Lateral-Position        Atom Direction      ",
                  " Numb Numb    (eV)          X(A)        Y(A)       Z(A)      Cos(X)  Cos(Y) Cos(Z) "},
                 eol);
}

std::string TrimDatHeader(const std::string& line8, const std::string& eol) {
    return Lines({"=========== TRIM with various Incident Ion Energies/Angles and Depths =========",
                  "= This file tabulates the kinetics of incident ions or atoms.                 =",
                  "= Col.#1: Ion Number, Col.#2: Z of atom leaving, Col.#3: Atom energy (eV).    =",
                  "= Col.#4-6: Last location:  Col.#4: X= Depth into target.                     =",
                  "= Col.#5,6: Y,Z= Transverse axes                                              =",
                  "= Col.#7-9: Cosines of final trajectory.                                      =",
                  "================ Typical Data File is shown below  ============================", line8,
                  "Event  Atom  Energy  Depth   Lateral-Position   ----- Atom Direction ----",
                  "Name   Numb   (eV)    _X_(A)   _Y_(A)  _Z_(A)   Cos(X)   Cos(Y)   Cos(Z)"},
                 eol);
}

std::string TransmitFileText() {
    return SrimTransmitHeader("=====  He (5000 keV) ==> Silicon (10 um)                                 =====") +
           Lines({"T    1  2 .3650895E+07   1000000E-01 -.8619E+02 -.1016E+03   .9999324  .0013460 -.0115474",
                  "B    2  2 .3658839E+07   1000000E-01  .1105E+03 -.8610E+03   .9998046  .0167895 -.0104302"});
}

std::string TrimDatFileText() {
    return TrimDatHeader("======  He (5000 keV) ==> Silicon (10 um)                                 =====") +
           Lines({"1       2   3.650895E+06  1.000000E+05 -8.6190000000E+01 -1.0160000000E+02  0.9999324000  "
                  "0.0013460000 -0.0115474000",
                  "2       2   3.658839E+06  1.000000E+05  1.1050000000E+02 -8.6100000000E+02  0.9998046000  "
                  "0.0167895000 -0.0104302000"});
}

std::string WinAgileFileText() {
    return Lines(
        {"-1.0000000000E-03\t 2.0000000000E-04\t 5.0000000000E-04\t-3.0000000000E-04\t 1.0000000000E-03\t65535   ",
         " 2.5000000000E-06\t-1.5000000000E-03\t-4.0000000000E-06\t 6.0000000000E-04\t-2.0000000000E-03\t65535   "});
}

}  // namespace zelkor::test
