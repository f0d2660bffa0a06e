#include "stats/select_quantity.hpp"

#include "stats/filter_spectrum.hpp"
#include "stats/page_quantity.hpp"
#include "stats/quantity.hpp"

namespace zelkor {

std::optional<std::string> SelectQuantity(AppState& state, ParticleSet& set, QuantityId quantity) {
    const StatPage page = QuantityPage(quantity);
    SetPageQuantity(state, quantity);
    ClearFilter(state, set, page);
    const bool relabels =
        page == StatPage::Energy || page == StatPage::Momentum || state.sourceKind == SourceKind::TransmitTxt;
    if (!relabels) return std::nullopt;
    return RangeLabel(quantity, state.unitOf(quantity));
}

}  // namespace zelkor
