#include "data/parse_double.hpp"

#include <cmath>
#include <fast_float/fast_float.h>

namespace zelkor {
namespace {

// True when the mantissa written in [first, end) has a digit other than 0.
bool HasNonZeroDigit(const char* first, const char* end) {
    for (const char* p = first; p < end && *p != 'e' && *p != 'E'; ++p)
        if (*p >= '1' && *p <= '9') return true;
    return false;
}

}  // namespace

const char* ParseDouble(const char* first, const char* last, double& value) {
    double read = 0.0;
    const auto [end, error] = fast_float::from_chars(first, last, read);
    if (error != std::errc() || end == first) return nullptr;
    // fast_float rounds what a double cannot hold to infinity or zero where
    // std::from_chars reports it out of range.
    const char* digits = first < last && *first == '-' ? first + 1 : first;
    const bool written = digits < end && *digits != 'i' && *digits != 'I' && *digits != 'n' && *digits != 'N';
    if (written && std::isinf(read)) return nullptr;
    if (read == 0.0 && HasNonZeroDigit(digits, end)) return nullptr;
    value = read;
    return end;
}

}  // namespace zelkor
