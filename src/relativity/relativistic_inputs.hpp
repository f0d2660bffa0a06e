#pragma once

#include "data/message.hpp"

#include <optional>
#include <string_view>
#include <variant>

namespace zelkor {

// The ion species typed into the relativistic-parameters window.
struct RelativisticInputs {
    int A = 1;
    double amu = 1.0;
    std::optional<int> n;  // read only while the rigidity box is checked
};

// The checks of "Calculation" in their order: the three emptiness tests
// (a field is empty only when it has no character at all), then A an integer
// > 0, amu a real number > 0, n an integer > 0. The first failure is returned.
std::variant<RelativisticInputs, Message> ValidateRelativisticInputs(std::string_view aText, std::string_view amuText,
                                                                     bool rigidityChecked = false,
                                                                     std::string_view nText = {});

}  // namespace zelkor
