#include "relativity/relativistic_inputs.hpp"

#include "data/user_number.hpp"

namespace zelkor {

std::variant<RelativisticInputs, Message> ValidateRelativisticInputs(std::string_view aText, std::string_view amuText,
                                                                     bool rigidityChecked, std::string_view nText) {
    if (aText.empty()) return ErrorMessage("Missing value A(number of nucleons)");
    if (amuText.empty()) return ErrorMessage("Missing value amu(atomic mass unit)");
    if (rigidityChecked && nText.empty()) return ErrorMessage("Missing value n(charge state)");
    RelativisticInputs inputs;
    const std::optional<int> A = ParseUserInt(aText);
    if (!A || *A <= 0) return ErrorMessage("Value A(number of nucleons) must be integer > 0");
    inputs.A = *A;
    const std::optional<double> amu = ParseUserReal(amuText);
    if (!amu || *amu <= 0.0) return ErrorMessage("Value amu(atomic mass unit) must be real number > 0");
    inputs.amu = *amu;
    if (rigidityChecked) {
        const std::optional<int> n = ParseUserInt(nText);
        if (!n || *n <= 0) return ErrorMessage("Value n(charge state) must be integer > 0");
        inputs.n = *n;
    }
    return inputs;
}

}  // namespace zelkor
