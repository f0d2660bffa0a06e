#include "data/field_scan.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace zelkor {

namespace detail {

const char* ConvertSlowly(const char* start, const char* end, double& value) {
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

}  // namespace detail

}  // namespace zelkor
