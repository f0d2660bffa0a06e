#pragma once

namespace zelkor {

// std::from_chars of a double in the general format, on every standard
// library (the older libc++ of the WebAssembly build has none for doubles):
// the correctly rounded value of [-]digits[.digits][(e|E)[+-]digits], "inf"
// or "nan". Returns the end of the number, or nullptr when there is none or
// it is out of range: too large for a double, or so small that it rounds to
// zero. The value is set only on success.
const char* ParseDouble(const char* first, const char* last, double& value);

}  // namespace zelkor
