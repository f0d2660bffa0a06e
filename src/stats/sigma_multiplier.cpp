#include "stats/sigma_multiplier.hpp"

#include "data/user_number.hpp"

#include <string>

namespace zelkor {

Checked<double> ValidateSigmaMultiplier(std::string_view text, MultiplierWording wording) {
    using Result = Checked<double>;
    if (text.empty()) return Result::Refused(ErrorMessage("Missing value sigma multiplier"));
    const std::optional<double> n = ParseUserReal(text);
    if (!n || *n <= 0.0) return Result::Refused(ErrorMessage("Value sigma multiplier must be real number > 0"));
    const std::string bounds = wording == MultiplierWording::EnergyGraph ? "Value must be >= 0.001 and <= 1000"
                                                                         : "Value must be > 0.001 and <= 1000";
    if (*n > 1000.0) return Result::Refused(ErrorMessage("Value sigma multiplier is too high. " + bounds));
    if (*n < 0.001) return Result::Refused(ErrorMessage("Value sigma multiplier is too low. " + bounds));
    return Result::Ok(*n);
}

}  // namespace zelkor
