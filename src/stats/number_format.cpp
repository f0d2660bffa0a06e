#include "stats/number_format.hpp"

#include "io/printf_format.hpp"

namespace zelkor {

void AppendNumber(std::string& out, NumberFormat format, double value) {
    char buffer[kMaxNumberChars];
    const char* end = format.style == NumberFormat::Style::Exponent ? AppendExponent(buffer, value, format.precision)
                                                                    : AppendFixed(buffer, value, format.precision);
    out.append(buffer, static_cast<std::size_t>(end - buffer));
}

std::string FormatNumber(NumberFormat format, double value) {
    std::string text;
    AppendNumber(text, format, value);
    return text;
}

}  // namespace zelkor
