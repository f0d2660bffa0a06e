#include "io/printf_format.hpp"

#include "io/printf_conversion.hpp"

#include <charconv>
#include <cmath>

#if !ZELKOR_FLOAT_TO_CHARS
#include "data/parse_double.hpp"
#include "data/platform/c_locale_print.hpp"
#endif

namespace zelkor {
namespace {

char* AppendText(char* out, const std::string& text) {
    for (char c : text) *out++ = c;
    return out;
}

#if !ZELKOR_FLOAT_TO_CHARS
// "-1.25e+02" as "-125", "1.5e-03" as "0.0015"; a whole number with all its
// digits, as std::to_chars writes it (the text nearest the value).
std::string FixedFromScientific(const std::string& scientific, double value) {
    const bool negative = scientific.front() == '-';
    const std::size_t e = scientific.find('e');
    std::string digits = scientific.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
    if (digits.size() > 1) digits.erase(1, 1);  // the point
    const int exponent = std::stoi(scientific.substr(e + 1));
    std::string fixed;
    if (exponent < 0) {
        fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (static_cast<std::size_t>(exponent) + 1 >= digits.size()) {
        return platform::PrintInCLocale("%.0f", value);
    } else {
        fixed = digits.insert(static_cast<std::size_t>(exponent) + 1, ".");
    }
    return negative ? "-" + fixed : fixed;
}
#endif

}  // namespace

#if ZELKOR_FLOAT_TO_CHARS

// The digits come from std::to_chars, which gives printf's exact text in the
// "C" locale on every platform, so that files do not depend on the C library.
std::string FormatDouble(const char* printfFormat, double value) {
    const PrintfConversion format = ParsePrintfConversion(printfFormat);
    return format.before + PadToWidth(format, ConvertDouble(format, value)) + format.after;
}

char* AppendExponent(char* out, double value, int precision) {
    if (!std::isfinite(value)) return AppendText(out, NonFiniteText(value, true));
    const auto result = std::to_chars(out, out + kMaxNumberChars, value, std::chars_format::scientific, precision);
    for (char* p = result.ptr - 1; p > out; --p) {
        if (*p == 'e') {
            *p = 'E';
            break;
        }
    }
    return result.ptr;
}

char* AppendFixed(char* out, double value, int precision) {
    if (!std::isfinite(value)) return AppendText(out, NonFiniteText(value, false));
    return std::to_chars(out, out + kMaxNumberChars, value, std::chars_format::fixed, precision).ptr;
}

std::string FormatShortest(double value) {
    char buffer[64];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

#else

// A library without floating-point std::to_chars: its printf is exact.
std::string FormatDouble(const char* printfFormat, double value) {
    return platform::PrintInCLocale(printfFormat, value);
}

char* AppendExponent(char* out, double value, int precision) {
    return AppendText(out, platform::PrintInCLocale(("%." + std::to_string(precision) + "E").c_str(), value));
}

char* AppendFixed(char* out, double value, int precision) {
    return AppendText(out, platform::PrintInCLocale(("%." + std::to_string(precision) + "f").c_str(), value));
}

std::string FormatShortest(double value) {
    if (!std::isfinite(value)) return NonFiniteText(value, false);
    if (value == 0.0) return std::signbit(value) ? "-0" : "0";
    // The fewest significant digits that read back to the value ...
    std::string scientific;
    for (int precision = 0; precision <= 16; ++precision) {
        scientific = platform::PrintInCLocale(("%." + std::to_string(precision) + "e").c_str(), value);
        double back = 0.0;
        const char* text = scientific.c_str();
        if (ParseDouble(text, text + scientific.size(), back) != nullptr && back == value) break;
    }
    // ... written in the shorter of the two forms, fixed on a tie.
    const std::string fixed = FixedFromScientific(scientific, value);
    return fixed.size() <= scientific.size() ? fixed : scientific;
}

#endif

std::string FormatInt(const char* printfFormat, int value) {
    const PrintfConversion format = ParsePrintfConversion(printfFormat);
    return format.before + PadToWidth(format, ConvertInt(format, value)) + format.after;
}

char* AppendInt(char* out, int value) { return std::to_chars(out, out + 16, value).ptr; }

}  // namespace zelkor
