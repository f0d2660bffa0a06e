#include "stats/quantity.hpp"

#include "stats/unit_scale.hpp"

#include <array>
#include <span>

namespace zelkor {
namespace {

struct QuantityInfo {
    std::string_view name;
    StatPage page;
    UnitFamily family;
    std::string_view rowLabel;
};

constexpr std::array<QuantityInfo, kQuantityCount> kQuantities = {{
    {"KinEnerg", StatPage::Energy, UnitFamily::Energy, "E"},
    {"EnergA", StatPage::Energy, UnitFamily::Energy, "E/A"},
    {"Energamu", StatPage::Energy, UnitFamily::Energy, "E/amu"},
    {"Mom", StatPage::Momentum, UnitFamily::Momentum, "M"},
    {"PosY", StatPage::Position, UnitFamily::Length, "Y"},
    {"PosZ", StatPage::Position, UnitFamily::Length, "Z"},
    {"PosabsY", StatPage::Position, UnitFamily::Length, "| Y | "},
    {"PosabsZ", StatPage::Position, UnitFamily::Length, "| Z | "},
    {"PosYZ", StatPage::Position, UnitFamily::Length, "(Y^2 + Z^2)^1/2"},
    {"AngX", StatPage::Angle, UnitFamily::Angle, "ang X"},
    {"AngY", StatPage::Angle, UnitFamily::Angle, "ang Y"},
    {"AngZ", StatPage::Angle, UnitFamily::Angle, "ang Z"},
    {"dYdX", StatPage::Angle, UnitFamily::Slope, "dY/dX"},
    {"dZdX", StatPage::Angle, UnitFamily::Slope, "dZ/dX"},
}};

constexpr const auto& kEnergySymbols = kEnergyUnitSymbols;
constexpr std::array<std::string_view, 4> kMomentumSymbols = {"eV/c", "keV/c", "MeV/c", "GeV/c"};
constexpr std::array<std::string_view, 5> kLengthSymbols = {"A", "nm", "um", "mm", "m"};
constexpr std::array<std::string_view, 3> kAngleSymbols = {"deg", "rad", "mrad"};
constexpr std::array<std::string_view, 2> kSlopeSymbols = {"rad", "mrad"};

const QuantityInfo& Info(QuantityId quantity) { return kQuantities[static_cast<std::size_t>(quantity)]; }

std::span<const std::string_view> Symbols(QuantityId quantity) {
    switch (Info(quantity).family) {
        case UnitFamily::Energy: return kEnergySymbols;
        case UnitFamily::Momentum: return kMomentumSymbols;
        case UnitFamily::Length: return kLengthSymbols;
        case UnitFamily::Angle: return kAngleSymbols;
        case UnitFamily::Slope: return kSlopeSymbols;
    }
    return kEnergySymbols;
}

}  // namespace

StatPage QuantityPage(QuantityId quantity) { return Info(quantity).page; }
UnitFamily QuantityUnitFamily(QuantityId quantity) { return Info(quantity).family; }
std::string_view QuantityName(QuantityId quantity) { return Info(quantity).name; }
std::string_view RowLabel(QuantityId quantity) { return Info(quantity).rowLabel; }

std::optional<QuantityId> QuantityFromName(std::string_view name) {
    for (std::size_t i = 0; i < kQuantities.size(); ++i)
        if (kQuantities[i].name == name) return static_cast<QuantityId>(i);
    return std::nullopt;
}

int UnitCount(QuantityId quantity) { return static_cast<int>(Symbols(quantity).size()); }

std::string_view UnitSymbol(QuantityId quantity, int unitCode) {
    const auto symbols = Symbols(quantity);
    const bool inRange = unitCode >= 0 && static_cast<std::size_t>(unitCode) < symbols.size();
    return symbols[inRange ? static_cast<std::size_t>(unitCode) : 0];
}

std::optional<int> UnitFromSymbol(QuantityId quantity, std::string_view symbol) {
    const auto symbols = Symbols(quantity);
    for (std::size_t i = 0; i < symbols.size(); ++i)
        if (symbols[i] == symbol) return static_cast<int>(i);
    return std::nullopt;
}

std::string SquaredUnit(QuantityId quantity, int unitCode) {
    const std::string symbol(UnitSymbol(quantity, unitCode));
    if (QuantityUnitFamily(quantity) == UnitFamily::Momentum) return "(" + symbol + ")^2";
    return symbol + "^2";
}

std::string RangeLabel(QuantityId quantity, int unitCode) {
    return "Range of Interval [" + std::string(UnitSymbol(quantity, unitCode)) + "]";
}

}  // namespace zelkor
