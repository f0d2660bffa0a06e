#pragma once

#include <string>

namespace zelkor::platform {

// snprintf of one value in the "C" numeric locale, whatever locale the
// thread has: the exact formatter of a library without floating-point
// std::to_chars. The format holds exactly one conversion.
std::string PrintInCLocale(const char* format, double value);

}  // namespace zelkor::platform
