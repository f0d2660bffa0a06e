#pragma once

#include "state/quantity_id.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace zelkor {

// A value of the quantity in unit code `from`, expressed in unit code `to`
// (for example 42.3 nm as 4.23e-5 mm). Powers of ten scale exactly.
double ConvertUnit(QuantityId quantity, double value, int from, int to);

// The text of a page's interval-width edit after the unit of its quantity
// changed: the same width in the new unit, in the format "Default" writes
// on that page, so that a number is never read in a unit it was not meant
// in. Nothing (keep the text) when it is not a number or the unit is the
// same; an empty text when the width has no finite value in the new unit.
std::optional<std::string> ConvertedWidthText(QuantityId quantity, int from, int to, std::string_view text);

}  // namespace zelkor
