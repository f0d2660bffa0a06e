#pragma once

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

    bool readReal(double& value);
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

// True for a line holding nothing but blanks.
bool IsBlankLine(std::string_view line);

} // namespace zelkor
