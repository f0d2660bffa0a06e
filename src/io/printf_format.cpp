#include "io/printf_format.hpp"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <locale.h>

namespace zelkor {
namespace {

// snprintf follows the thread's LC_NUMERIC; switch to "C" for the call only.
class CNumericScope {
public:
    CNumericScope() : previous_(uselocale(CLocale())) {}
    ~CNumericScope() { uselocale(previous_); }
    CNumericScope(const CNumericScope&) = delete;
    CNumericScope& operator=(const CNumericScope&) = delete;

private:
    static locale_t CLocale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        return c;
    }
    locale_t previous_;
};

template <typename T>
std::string FormatOne(const char* printfFormat, T value) {
    CNumericScope scope;
    char buffer[512];
    const int n = std::snprintf(buffer, sizeof buffer, printfFormat, value);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof buffer) return std::string(buffer, static_cast<std::size_t>(n));
    std::string big(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(big.data(), big.size(), printfFormat, value);
    big.resize(static_cast<std::size_t>(n));
    return big;
}

char* AppendText(char* out, const std::string& text) {
    for (char c : text) *out++ = c;
    return out;
}

}  // namespace

std::string FormatDouble(const char* printfFormat, double value) { return FormatOne(printfFormat, value); }
std::string FormatInt(const char* printfFormat, int value) { return FormatOne(printfFormat, value); }

char* AppendExponent(char* out, double value, int precision) {
    if (!std::isfinite(value))
        return AppendText(out, FormatDouble(("%." + std::to_string(precision) + "E").c_str(), value));
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
    if (!std::isfinite(value))
        return AppendText(out, FormatDouble(("%." + std::to_string(precision) + "f").c_str(), value));
    return std::to_chars(out, out + kMaxNumberChars, value, std::chars_format::fixed, precision).ptr;
}

char* AppendInt(char* out, int value) { return std::to_chars(out, out + 16, value).ptr; }

}  // namespace zelkor
