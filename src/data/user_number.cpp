#include "data/user_number.hpp"

#include "data/parse_double.hpp"

#include <charconv>
#include <cmath>
#include <string>

namespace zelkor {
namespace {

std::string_view TrimBlanks(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view SkipPlus(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') text.remove_prefix(1);
    return text;
}

}  // namespace

std::optional<double> ParseUserReal(std::string_view text) {
    std::string digits(SkipPlus(TrimBlanks(text)));
    if (digits.empty()) return std::nullopt;
    if (digits.find('.') == std::string::npos) {
        if (const auto comma = digits.find(','); comma != std::string::npos) digits[comma] = '.';
    }
    double value = 0.0;
    const char* end = digits.data() + digits.size();
    if (ParseDouble(digits.data(), end, value) != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int> ParseUserInt(std::string_view text) {
    const std::string_view digits = SkipPlus(TrimBlanks(text));
    if (digits.empty()) return std::nullopt;
    int value = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, value);
    if (ec != std::errc{} || ptr != end) return std::nullopt;
    return value;
}

}  // namespace zelkor
