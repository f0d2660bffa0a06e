#pragma once

#include <cmath>
#include <cstdio>
#include <string>

namespace zelkor::test {

// The C library's own printf of one value: the reference the program's
// formatting is compared with. Tests run in the "C" locale.
template <typename T>
std::string CPrintf(const char* format, T value) {
    char buffer[1024];
    const int n = std::snprintf(buffer, sizeof buffer, format, value);
    return n < 0 ? std::string() : std::string(buffer, static_cast<std::size_t>(n));
}

// MinGW-w64's printf drops the sign of a NaN, which the program writes as
// glibc does ("-nan"); there such a value has no reference.
inline bool HasPrintfReference(double value) {
#ifdef _WIN32
    return !(std::isnan(value) && std::signbit(value));
#else
    (void)value;
    return true;
#endif
}

}  // namespace zelkor::test
