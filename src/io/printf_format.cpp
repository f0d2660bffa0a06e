#include "io/printf_format.hpp"

#include "io/printf_spec.hpp"

#include <charconv>
#include <cmath>

#if !ZELKOR_FLOAT_TO_CHARS
#include "platform/c_locale_print.hpp"
#endif

namespace zelkor {
namespace {

char* AppendText(char* out, const std::string& text) {
    for (char c : text) *out++ = c;
    return out;
}

}  // namespace

#if ZELKOR_FLOAT_TO_CHARS

// The digits come from std::to_chars, which gives printf's exact text in the
// "C" locale on every platform, so that files do not depend on the C library.
std::string FormatDouble(const char* printfFormat, double value) {
    const PrintfSpec spec = ParsePrintfSpec(printfFormat);
    return spec.before + PadToWidth(spec, ConvertDouble(spec, value)) + spec.after;
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

#endif

std::string FormatInt(const char* printfFormat, int value) {
    const PrintfSpec spec = ParsePrintfSpec(printfFormat);
    return spec.before + PadToWidth(spec, ConvertInt(spec, value)) + spec.after;
}

char* AppendInt(char* out, int value) { return std::to_chars(out, out + 16, value).ptr; }

}  // namespace zelkor
