#include "data/field_scan.hpp"

#include "data/parse_double.hpp"

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
    const char* last = ParseDouble(text.data(), text.data() + text.size(), value);
    if (last == nullptr) return nullptr;
    return fieldStart + (last - text.data());
}

}  // namespace detail

}  // namespace zelkor
