#include "stats/unit_change.hpp"

#include "data/user_number.hpp"
#include "stats/page_description.hpp"
#include "stats/quantity.hpp"
#include "stats/unit_scale.hpp"

#include <cmath>

namespace zelkor {
namespace {

// How large one unit of the code is in the smallest unit of its family
// (eV, Angstrom, mrad), so that the ratio of two codes is exact where both
// are powers of ten.
double UnitSize(UnitFamily family, int code) {
    switch (family) {
        case UnitFamily::Energy:
        case UnitFamily::Momentum: return EnergyDivisor(code);
        case UnitFamily::Length: return LengthDivisor(code);
        case UnitFamily::Angle: return 1000.0 / (DegreeFactor(code) * MilliFactor(code));
        case UnitFamily::Slope: return 1000.0 / SlopeMultiplier(code);
    }
    return 1.0;
}

}  // namespace

double ConvertUnit(QuantityId quantity, double value, int from, int to) {
    const UnitFamily family = QuantityUnitFamily(quantity);
    const double fromSize = UnitSize(family, from);
    const double toSize = UnitSize(family, to);
    return fromSize >= toSize ? value * (fromSize / toSize) : value / (toSize / fromSize);
}

std::optional<std::string> ConvertedWidthText(QuantityId quantity, int from, int to, std::string_view text) {
    const std::optional<double> width = ParseUserReal(text);
    if (!width || UnitSymbol(quantity, from) == UnitSymbol(quantity, to)) return std::nullopt;
    const double converted = ConvertUnit(quantity, *width, from, to);
    if (!std::isfinite(converted)) return std::string();
    return FormatNumber(DescribePage(QuantityPage(quantity)).defaultWidthFormat, converted);
}

}  // namespace zelkor
