#pragma once

#include "state/quantity_id.hpp"
#include "state/stat_page.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace zelkor {

enum class UnitFamily { Energy, Momentum, Length, Angle, Slope };

StatPage QuantityPage(QuantityId quantity);
UnitFamily QuantityUnitFamily(QuantityId quantity);

// The enumerator's own name ("KinEnerg" ... "dZdX"), as the batch tool spells it.
std::string_view QuantityName(QuantityId quantity);
std::optional<QuantityId> QuantityFromName(std::string_view name);

// Label of the analysis rows ("E", "E/A", "| Y | " ...).
std::string_view RowLabel(QuantityId quantity);

// Number of unit codes of the quantity's family (codes 0 .. count - 1).
int UnitCount(QuantityId quantity);
// "eV", "keV/c", "A", "um", "deg", "mrad" ...; a code out of range reads as 0.
std::string_view UnitSymbol(QuantityId quantity, int unitCode);
std::optional<int> UnitFromSymbol(QuantityId quantity, std::string_view symbol);
// "eV^2", "(keV/c)^2", "um^2" ...
std::string SquaredUnit(QuantityId quantity, int unitCode);

// Caption of the page's interval-width edit: "Range of Interval [keV]".
std::string RangeLabel(QuantityId quantity, int unitCode);

}  // namespace zelkor
