#include "io/printf_conversion.hpp"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>

namespace zelkor {
namespace {

int ReadNumber(const char*& p) {
    int number = 0;
    while (*p >= '0' && *p <= '9') number = number * 10 + (*p++ - '0');
    return number;
}

// Copies text up to the first lone '%' (or the end), "%%" as '%'.
const char* CopyText(const char* p, std::string& text) {
    for (; *p != '\0'; ++p) {
        if (*p == '%' && p[1] != '%') break;
        if (*p == '%') ++p;
        text += *p;
    }
    return p;
}

std::string WithSign(const PrintfConversion& format, std::string text) {
    if (!text.empty() && text.front() == '-') return text;
    if (format.plusSign) return "+" + text;
    if (format.blankSign) return " " + text;
    return text;
}

}  // namespace

PrintfConversion ParsePrintfConversion(const char* printfFormat) {
    PrintfConversion format;
    const char* p = CopyText(printfFormat, format.before);
    if (*p != '%') return format;
    for (++p; std::strchr("-+ 0", *p) != nullptr && *p != '\0'; ++p) {
        format.leftAlign |= *p == '-';
        format.plusSign |= *p == '+';
        format.blankSign |= *p == ' ';
        format.zeroPad |= *p == '0';
    }
    format.width = ReadNumber(p);
    if (*p == '.') format.precision = ReadNumber(++p);
    while (*p == 'h' || *p == 'l' || *p == 'L') ++p;
    if (*p != '\0') format.conversion = *p++;
    CopyText(p, format.after);
    return format;
}

std::string NonFiniteText(double value, bool capitals) {
    std::string text = std::signbit(value) ? "-" : "";
    text += std::isnan(value) ? (capitals ? "NAN" : "nan") : (capitals ? "INF" : "inf");
    return text;
}

#if ZELKOR_FLOAT_TO_CHARS
std::string ConvertDouble(const PrintfConversion& format, double value) {
    const bool capitals = std::isupper(static_cast<unsigned char>(format.conversion)) != 0;
    if (!std::isfinite(value)) return WithSign(format, NonFiniteText(value, capitals));
    const char kind = static_cast<char>(std::tolower(static_cast<unsigned char>(format.conversion)));
    const std::chars_format style = kind == 'e'   ? std::chars_format::scientific
                                    : kind == 'f' ? std::chars_format::fixed
                                                  : std::chars_format::general;
    const int precision = format.precision < 0 ? 6 : format.precision;
    // 309 integer digits at most, the point and the fraction.
    std::string text(static_cast<std::size_t>(precision) + 330, '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value, style, precision);
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));
    if (capitals)
        for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return WithSign(format, std::move(text));
}
#endif

std::string ConvertInt(const PrintfConversion& format, int value) {
    char digits[16];
    return WithSign(format, std::string(digits, std::to_chars(digits, digits + sizeof digits, value).ptr));
}

std::string PadToWidth(const PrintfConversion& format, std::string converted) {
    if (converted.size() >= static_cast<std::size_t>(format.width)) return converted;
    const std::size_t missing = static_cast<std::size_t>(format.width) - converted.size();
    if (format.leftAlign) return converted + std::string(missing, ' ');
    const bool finite = converted.find_first_of("nN") == std::string::npos;
    if (!format.zeroPad || !finite) return std::string(missing, ' ') + converted;
    const std::size_t sign = !converted.empty() && std::strchr("+- ", converted.front()) != nullptr ? 1 : 0;
    return converted.insert(sign, missing, '0');
}

}  // namespace zelkor
