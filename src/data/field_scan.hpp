#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

namespace zelkor {

// Reads the fields of one record line the way the C library's formatted input
// reads them in the "C" locale: blanks skipped before a number, an optional
// sign, digits with an optional point (".5021068E+07", "1128014E-01") and
// exponent. A comma stands for the point: SRIM run under a comma locale
// writes ",5021068E+07", and fields are separated by blanks, so a comma inside
// a number can only be its decimal separator.
//
// A number must fill its field: text that touches it ("1.5x", the rest of a
// number too long for any buffer) makes the read fail rather than start the
// next field, and a value that is not finite (inf, nan, 1E+400) fails too.
class FieldScanner {
public:
    explicit FieldScanner(std::string_view line) : p_(line.data()), end_(line.data() + line.size()) {}

    [[gnu::always_inline]] bool readReal(double& value);
    // Digits after the decimal point (or comma) of the number readReal read last.
    int fractionDigits() const { return fractionDigits_; }
    bool readInt(int& value);
    // One character, no blank skipped (the type letter of a record).
    bool readChar(char& c);
    // A run of non-blank characters (an event name), blanks skipped before it.
    bool skipToken();
    // True when only blanks are left: the line was read whole.
    bool atLineEnd();

private:
    void skipBlanks();
    bool atFieldEnd() const;

    const char* p_;
    const char* end_;
    int fractionDigits_ = 0;
};

inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

namespace detail {

// Powers of ten that a double holds exactly.
inline constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                          1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
inline constexpr std::uint64_t kExactMantissaLimit = std::uint64_t{1} << 53;

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsPoint(char c) { return c == '.' || c == ','; }

// The slow but general road: the library's own conversion of the whole field
// with the comma turned into a point and a leading '+' dropped. Returns the
// end of what was converted, or nullptr.
[[gnu::noinline, gnu::cold]] const char* ConvertSlowly(const char* start, const char* end, double& value);

}  // namespace detail

// Inline: a record line calls these ten times, and the loads are bound by them.
inline bool IsBlankLine(std::string_view line) {
    for (const char c : line)
        if (!IsBlank(c)) return false;
    return true;
}

inline void FieldScanner::skipBlanks() {
    while (p_ < end_ && IsBlank(*p_)) ++p_;
}

inline bool FieldScanner::atFieldEnd() const { return p_ == end_ || IsBlank(*p_); }

inline bool FieldScanner::atLineEnd() {
    skipBlanks();
    return p_ == end_;
}

inline bool FieldScanner::readChar(char& c) {
    if (p_ == end_) return false;
    c = *p_++;
    return true;
}

inline bool FieldScanner::skipToken() {
    skipBlanks();
    const char* start = p_;
    while (p_ < end_ && !IsBlank(*p_)) ++p_;
    return p_ != start;
}

inline bool FieldScanner::readInt(int& value) {
    skipBlanks();
    const char* p = p_;
    bool negative = false;
    if (p < end_ && (*p == '+' || *p == '-')) negative = (*p++ == '-');
    const char* digits = p;
    std::int64_t magnitude = 0;
    while (p < end_ && detail::IsDigit(*p)) {
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

inline bool FieldScanner::readReal(double& value) {
    skipBlanks();
    const char* start = p_;
    const char* p = p_;
    bool negative = false;
    if (p < end_ && (*p == '+' || *p == '-')) negative = (*p++ == '-');

    // Up to 19 digits fit the 64-bit mantissa whatever they are.
    std::uint64_t mantissa = 0;
    const char* integerStart = p;
    while (p < end_ && detail::IsDigit(*p)) mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p++ - '0');
    int digits = static_cast<int>(p - integerStart);
    int exponent = 0;
    if (p < end_ && detail::IsPoint(*p)) {
        const char* fractionStart = ++p;
        while (p < end_ && detail::IsDigit(*p)) mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p++ - '0');
        exponent = -static_cast<int>(p - fractionStart);
        digits -= exponent;
    }
    fractionDigits_ = -exponent;
    if (digits == 0 || digits > 19) {
        // Long mantissas, "inf", "nan" and anything odd: let the library decide.
        const char* last = detail::ConvertSlowly(start, end_, value);
        if (last == nullptr) return false;
        p_ = last;
        return atFieldEnd() && std::isfinite(value);
    }
    if (p < end_ && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        bool negativeExponent = false;
        if (q < end_ && (*q == '+' || *q == '-')) negativeExponent = (*q++ == '-');
        if (q < end_ && detail::IsDigit(*q)) {
            int written = 0;
            while (q < end_ && detail::IsDigit(*q)) {
                if (written < 100000) written = written * 10 + (*q - '0');
                ++q;
            }
            exponent += negativeExponent ? -written : written;
            p = q;
        }
    }
    if (mantissa == 0) {
        value = negative ? -0.0 : 0.0;
    } else if (mantissa <= detail::kExactMantissaLimit && exponent >= -22 && exponent <= 22) {
        // Both operands exact, so one rounding: the correctly rounded result.
        const double m = static_cast<double>(mantissa);
        value = exponent >= 0 ? m * detail::kExactPowers[exponent] : m / detail::kExactPowers[-exponent];
        if (negative) value = -value;
    } else {
        const char* last = detail::ConvertSlowly(start, end_, value);
        if (last == nullptr) return false;
        p_ = last;
        return atFieldEnd() && std::isfinite(value);
    }
    // Exact operands within range: never infinite.
    p_ = p;
    return atFieldEnd();
}

}  // namespace zelkor
