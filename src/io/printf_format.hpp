#pragma once

#include <cmath>
#include <string>
#include <string_view>

namespace zelkor {

// The one place where numbers become text the way the program's printf-style
// conversions write them ("%lE", "%.10lf", "%.3lE", "%g", "%d" ...), always in
// the "C" numeric locale whatever locale the user's session has set.

// printf of one double (or int) with a format that holds exactly one conversion.
std::string FormatDouble(const char* printfFormat, double value);
std::string FormatInt(const char* printfFormat, int value);
// The shortest text that reads back to the same double, as std::to_chars
// without a format gives it ("100", "1e+22", "0.001").
std::string FormatShortest(double value);

// Fast paths for the writers, byte for byte what "%.<precision>E" and
// "%.<precision>f" give. They write at most kMaxNumberChars characters at out
// and return the end of what they wrote.
inline constexpr int kMaxNumberChars = 400;
char* AppendExponent(char* out, double value, int precision);
char* AppendFixed(char* out, double value, int precision);
char* AppendInt(char* out, int value);

// Columns line up because a value printed without a minus gets two blanks in
// front and one printed with it only one. The sign bit decides, as it decides
// the printed minus: -0 is written "-0.0...", and so is a nan with its sign
// bit set.
inline char* AppendSignBlanks(char* out, double value) {
    *out++ = ' ';
    if (!std::signbit(value)) *out++ = ' ';
    return out;
}

// The point files' form of the same rule: one blank, or none before a minus.
inline char* AppendSignBlank(char* out, double value) {
    if (!std::signbit(value)) *out++ = ' ';
    return out;
}

}  // namespace zelkor
