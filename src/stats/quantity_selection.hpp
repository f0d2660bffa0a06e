#pragma once

#include "data/source_kind.hpp"
#include "state/quantity_id.hpp"

namespace zelkor {

// Everything an ion's value of a quantity depends on besides the record:
// the quantity, its unit code, and what the formulas need from the state.
struct QuantitySelection {
    QuantityId quantity = QuantityId::KinEnerg;
    int unitCode = 0;
    SourceKind sourceKind = SourceKind::TransmitTxt;
    int A = 1;
    double amu = 1.0;
};

}  // namespace zelkor
