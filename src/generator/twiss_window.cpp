#include "generator/twiss_window.hpp"

#include "data/user_number.hpp"
#include "generator/twiss.hpp"
#include "io/printf_format.hpp"

namespace zelkor {
namespace {

std::optional<double> Positive(const std::string& text) {
    const auto value = ParseUserReal(text);
    if (!value || *value <= 0.0) return std::nullopt;
    return value;
}

}  // namespace

std::variant<TwissLabels, Message> ShowTwissParameters(const TwissFields& f) {
    const std::pair<const std::string*, const char*> required[] = {
        {&f.yTotal, "Y (total)"},        {&f.zTotal, "Z (total)"}, {&f.dydxTotal, "dY/dX (total)"},
        {&f.dzdxTotal, "dZ/dX (total)"}, {&f.epsY, "EPS_Y"},       {&f.epsZ, "EPS_Z"},
    };
    for (const auto& [text, name] : required)
        if (text->empty()) return ErrorMessage(std::string("Missing value ") + name);
    if (!f.signY) return ErrorMessage("Missing value sign_alpha_Y");
    if (!f.signZ) return ErrorMessage("Missing value sign_alpha_Z");

    const auto yTotal = Positive(f.yTotal);
    if (!yTotal) return ErrorMessage("Value Y (total) must be real number > 0");
    const auto zTotal = Positive(f.zTotal);
    if (!zTotal) return ErrorMessage("Value Z (total) must be real number > 0");
    const auto dydx = ParseUserReal(f.dydxTotal);
    if (!dydx) return ErrorMessage("Value dY/dX (total) must be real number");
    const auto dzdx = ParseUserReal(f.dzdxTotal);
    if (!dzdx) return ErrorMessage("Value dZ/dX (total) must be real number");
    const auto epsY = ParseUserReal(f.epsY);
    if (!epsY) return ErrorMessage("Value EPS_Y must be real number");
    const auto epsZ = ParseUserReal(f.epsZ);
    if (!epsZ) return ErrorMessage("Value EPS_Z must be real number");
    if (*epsY == 0.0) return ErrorMessage("EPS_Y: Division by zero");
    if (*epsZ == 0.0) return ErrorMessage("EPS_Z: Division by zero");

    const auto twissY = TwissFromBeamSize(*yTotal, *dydx, *epsY, SignValue(*f.signY));
    const auto twissZ = TwissFromBeamSize(*zTotal, *dzdx, *epsZ, SignValue(*f.signZ));
    if (!std::holds_alternative<TwissParameters>(twissY) || !std::holds_alternative<TwissParameters>(twissZ))
        return ErrorMessage("sqrt: DOMAIN error");
    const TwissParameters& y = std::get<TwissParameters>(twissY);
    const TwissParameters& z = std::get<TwissParameters>(twissZ);
    return TwissLabels{
        FormatDouble("beta(Y) = %lE m", y.beta),     FormatDouble("gamma(Y) = %lE 1/m", y.gamma),
        FormatDouble("alpha(Y) = %lE", y.alpha),     FormatDouble("beta(Z) = %lE m", z.beta),
        FormatDouble("gamma(Z) = %lE 1/m", z.gamma), FormatDouble("alpha(Z) = %lE", z.alpha),
    };
}

}  // namespace zelkor
