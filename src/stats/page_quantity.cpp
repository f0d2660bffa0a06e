#include "stats/page_quantity.hpp"

#include "stats/quantity.hpp"

namespace zelkor {

QuantityId PageQuantity(const AppState& state, StatPage page) {
    switch (page) {
        case StatPage::Energy: return state.energyQuantity;
        case StatPage::Momentum: return QuantityId::Mom;
        case StatPage::Position: return state.positionQuantity;
        case StatPage::Angle: return state.angleQuantity;
    }
    return state.energyQuantity;
}

void SetPageQuantity(AppState& state, QuantityId quantity) {
    switch (QuantityPage(quantity)) {
        case StatPage::Energy: state.energyQuantity = quantity; break;
        case StatPage::Momentum: break;
        case StatPage::Position: state.positionQuantity = quantity; break;
        case StatPage::Angle: state.angleQuantity = quantity; break;
    }
}

QuantitySelection SelectionFor(const AppState& state, StatPage page) {
    const QuantityId quantity = PageQuantity(state, page);
    return {quantity, state.unitOf(quantity), state.sourceKind, state.A, state.amu};
}

}  // namespace zelkor
