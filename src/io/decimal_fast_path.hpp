#pragma once

namespace zelkor {

// Faster twins of AppendExponent and AppendFixed for the writers, which
// format ten numbers per ion and millions of ions per file. Values in the
// usual ranges are rounded with exact integer arithmetic (ties to even, as the
// C library's printf does); anything else goes to the general functions, so
// the text is byte for byte "%.<precision>E" / "%.<precision>f" always.
// They write at most kMaxNumberChars characters and return the end.
char* AppendExponentFast(char* out, double value, int precision);
char* AppendFixedFast(char* out, double value, int precision);

}  // namespace zelkor
