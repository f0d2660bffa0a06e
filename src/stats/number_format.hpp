#pragma once

#include <string>

namespace zelkor {

// One printf conversion of a double as the pages use them: "%lE" is
// {Exponent, 6}, "%.3lE" {Exponent, 3}, "%.10lf" {Fixed, 10}.
struct NumberFormat {
    enum class Style { Exponent, Fixed };
    Style style = Style::Exponent;
    int precision = 6;

    bool operator==(const NumberFormat&) const = default;
};

inline constexpr NumberFormat ExponentFormat(int precision) { return {NumberFormat::Style::Exponent, precision}; }
inline constexpr NumberFormat FixedFormat(int precision) { return {NumberFormat::Style::Fixed, precision}; }

// Byte for byte what printf writes for the conversion, in the "C" locale.
std::string FormatNumber(NumberFormat format, double value);
void AppendNumber(std::string& out, NumberFormat format, double value);

}  // namespace zelkor
