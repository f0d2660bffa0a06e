#pragma once

#include <optional>
#include <string_view>

namespace zelkor {

// Numbers typed by the user into an edit (or given on the batch command line).
// Accepted: the "C" form ("2", "-1.5", "1.188120E-01", ".5"), a decimal comma in
// place of the point ("2,5"), blanks and tabs around the number. Refused: an
// empty text, anything left over after the number, inf and nan.
std::optional<double> ParseUserReal(std::string_view text);

// A whole number in the range of int, with the same tolerance for surrounding
// blanks; "4.0" is not a whole number.
std::optional<int> ParseUserInt(std::string_view text);

}  // namespace zelkor
