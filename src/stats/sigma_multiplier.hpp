#pragma once

#include "stats/checked.hpp"

#include <string_view>

namespace zelkor {

// The energy page's graph words its two range messages ">= 0.001"; every other
// use says "> 0.001". The test is the same: 0.001 <= n <= 1000.
enum class MultiplierWording { Standard, EnergyGraph };

// Validates the text of a sigma-multiplier edit (the filter's n, or the zoom n
// of the display range): empty, not a positive number, too high, too low.
Checked<double> ValidateSigmaMultiplier(std::string_view text, MultiplierWording wording = MultiplierWording::Standard);

}  // namespace zelkor
