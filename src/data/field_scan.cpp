#include "data/field_scan.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace zelkor {
namespace {

// Powers of ten that a double holds exactly.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t kExactMantissaLimit = std::uint64_t{1} << 53;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsPoint(char c) { return c == '.' || c == ','; }

// The slow but general road: the library's own conversion of the whole field
// with the comma turned into a point and a leading '+' dropped.
[[gnu::noinline, gnu::cold]] const char* ConvertSlowly(const char* start, const char* end, double& value) {
    const char* p = start;
    const bool plus = p < end && *p == '+';
    if (plus) ++p;
    const char* fieldStart = p;
    while (p < end && !IsBlank(*p)) ++p;
    // Never cut: a field longer than any number is converted whole (and fails).
    std::string text(fieldStart, p);
    for (char& c : text)
        if (c == ',') c = '.';
    if (plus && !text.empty() && (text[0] == '-' || text[0] == '+')) return nullptr;
    const auto [last, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || last == text.data()) return nullptr;
    return fieldStart + (last - text.data());
}

} // namespace

bool IsBlankLine(std::string_view line) {
    for (const char c : line)
        if (!IsBlank(c)) return false;
    return true;
}

void FieldScanner::skipBlanks() {
    while (p_ < end_ && IsBlank(*p_)) ++p_;
}

bool FieldScanner::atFieldEnd() const { return p_ == end_ || IsBlank(*p_); }

bool FieldScanner::atLineEnd() {
    skipBlanks();
    return p_ == end_;
}

bool FieldScanner::readChar(char& c) {
    if (p_ == end_) return false;
    c = *p_++;
    return true;
}

bool FieldScanner::skipToken() {
    skipBlanks();
    const char* start = p_;
    while (p_ < end_ && !IsBlank(*p_)) ++p_;
    return p_ != start;
}

bool FieldScanner::readInt(int& value) {
    skipBlanks();
    const char* p = p_;
    bool negative = false;
    if (p < end_ && (*p == '+' || *p == '-')) negative = (*p++ == '-');
    const char* digits = p;
    std::int64_t magnitude = 0;
    while (p < end_ && IsDigit(*p)) {
        magnitude = magnitude * 10 + (*p++ - '0');
        if (magnitude > std::int64_t{std::numeric_limits<int>::max()} + 1) return false;
    }
    if (p == digits || (p < end_ && !IsBlank(*p))) return false;
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<int>::max()) return false;
    value = static_cast<int>(signedValue);
    p_ = p;
    return true;
}

bool FieldScanner::readReal(double& value) {
    skipBlanks();
    const char* start = p_;
    const char* p = p_;
    bool negative = false;
    if (p < end_ && (*p == '+' || *p == '-')) negative = (*p++ == '-');

    // Up to 19 digits fit the 64-bit mantissa whatever they are.
    std::uint64_t mantissa = 0;
    const char* integerStart = p;
    while (p < end_ && IsDigit(*p)) mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p++ - '0');
    int digits = static_cast<int>(p - integerStart);
    int exponent = 0;
    if (p < end_ && IsPoint(*p)) {
        const char* fractionStart = ++p;
        while (p < end_ && IsDigit(*p)) mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p++ - '0');
        exponent = -static_cast<int>(p - fractionStart);
        digits -= exponent;
    }
    fractionDigits_ = -exponent;
    if (digits == 0 || digits > 19) {
        // Long mantissas, "inf", "nan" and anything odd: let the library decide.
        const char* last = ConvertSlowly(start, end_, value);
        if (last == nullptr) return false;
        p_ = last;
        return atFieldEnd() && std::isfinite(value);
    }
    if (p < end_ && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        bool negativeExponent = false;
        if (q < end_ && (*q == '+' || *q == '-')) negativeExponent = (*q++ == '-');
        if (q < end_ && IsDigit(*q)) {
            int written = 0;
            while (q < end_ && IsDigit(*q)) {
                if (written < 100000) written = written * 10 + (*q - '0');
                ++q;
            }
            exponent += negativeExponent ? -written : written;
            p = q;
        }
    }
    if (mantissa == 0) {
        value = negative ? -0.0 : 0.0;
    } else if (mantissa <= kExactMantissaLimit && exponent >= -22 && exponent <= 22) {
        // Both operands exact, so one rounding: the correctly rounded result.
        const double m = static_cast<double>(mantissa);
        value = exponent >= 0 ? m * kExactPowers[exponent] : m / kExactPowers[-exponent];
        if (negative) value = -value;
    } else {
        const char* last = ConvertSlowly(start, end_, value);
        if (last == nullptr) return false;
        p_ = last;
        return atFieldEnd() && std::isfinite(value);
    }
    // Exact operands within range: never infinite.
    p_ = p;
    return atFieldEnd();
}

} // namespace zelkor
