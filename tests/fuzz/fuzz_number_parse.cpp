// Number parsing against the C library: for a plain decimal ("-12.5e3",
// ".5021068E+07", "1128014E-01") the file reader and the typed-number parser
// must give exactly strtod's double, with a comma in place of the point as
// well, and refuse what strtod cannot hold. Any other text must not crash them.

#include "data/field_scan.hpp"
#include "data/user_number.hpp"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Require(bool condition, const char* what, const std::string& text) {
    if (condition) return;
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.c_str());
    std::abort();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// [+-]? digits [. digits] ([eE] [+-]? digits)?, with at least one mantissa digit.
bool IsPlainDecimal(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const std::size_t start = i;
        while (i < s.size() && IsDigit(s[i])) ++i;
        if (i == start) return false;
    }
    return i == s.size();
}

bool SameDouble(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void CheckPlain(const std::string& text) {
    errno = 0;
    char* end = nullptr;
    const double expected = std::strtod(text.c_str(), &end);
    const bool rangeError = errno == ERANGE;
    Require(end == text.c_str() + text.size(), "strtod stopped early", text);

    std::string withComma = text;
    if (const auto point = withComma.find('.'); point != std::string::npos) withComma[point] = ',';

    for (const std::string& form : {text, withComma}) {
        double read = 0.0;
        zelkor::FieldScanner fields(form);
        const bool readOk = fields.readReal(read) && fields.atLineEnd();
        const auto typed = zelkor::ParseUserReal(form);
        if (rangeError && !std::isfinite(expected)) {
            Require(!readOk, "file reader took an overflow", form);
            Require(!typed, "typed number took an overflow", form);
        } else if (!rangeError) {
            Require(readOk && SameDouble(read, expected), "file reader differs from strtod", form);
            Require(typed && SameDouble(*typed, expected), "typed number differs from strtod", form);
        } else {
            // Underflow: strtod's rounding toward zero may be refused or kept.
            if (readOk) Require(SameDouble(read, expected), "file reader underflow differs", form);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (text.find('\0') != std::string::npos) return 0;
    if (IsPlainDecimal(text)) {
        CheckPlain(text);
        return 0;
    }
    // Any other text: the parsers must stay within it and never give a non-finite value.
    double value = 0.0;
    zelkor::FieldScanner fields(text);
    if (fields.readReal(value)) Require(std::isfinite(value), "file reader gave a non-finite value", text);
    int whole = 0;
    zelkor::FieldScanner ints(text);
    (void)ints.readInt(whole);
    if (const auto typed = zelkor::ParseUserReal(text)) Require(std::isfinite(*typed), "typed number not finite", text);
    (void)zelkor::ParseUserInt(text);
    return 0;
}
