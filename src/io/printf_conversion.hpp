#pragma once

#include <string>

namespace zelkor {

// One printf conversion with the text around it:
// before %[-+ 0][width][.precision][hlL]conversion after.
struct PrintfConversion {
    std::string before;
    std::string after;
    bool leftAlign = false;
    bool plusSign = false;
    bool blankSign = false;
    bool zeroPad = false;
    int width = 0;
    int precision = -1;   // -1 when not given
    char conversion = 0;  // e E f F g G d i
};

// "%%" in the text stands for one '%'.
PrintfConversion ParsePrintfConversion(const char* printfFormat);

// The conversion of value without padding: sign, digits, exponent.
std::string ConvertDouble(const PrintfConversion& format, double value);
std::string ConvertInt(const PrintfConversion& format, int value);
// "inf", "-inf", "nan", "-nan" (by the sign bit), in capitals for E, F, G.
std::string NonFiniteText(double value, bool capitals);

// Pads a converted value to the width: blanks on the left (or right with
// '-'), or zeros after the sign with '0' for a finite number.
std::string PadToWidth(const PrintfConversion& format, std::string converted);

}  // namespace zelkor
