#include "bindings/quantity_choice.hpp"

#include "bindings/binding_error.hpp"
#include "relativity/take_ion_masses.hpp"
#include "stats/availability.hpp"
#include "stats/ion_span.hpp"
#include "stats/page_quantity.hpp"
#include "stats/quantity.hpp"
#include "stats/quantity_value.hpp"
#include "stats/value_column.hpp"

namespace zelkor::bindings {

StatPage SelectQuantityOf(Session& session, const QuantityChoice& choice) {
    const auto quantity = QuantityFromName(choice.name);
    if (!quantity) throw BadArgument("unknown quantity " + choice.name + " (KinEnerg ... dZdX)");
    int unitCode = 0;
    if (choice.unit) {
        const auto code = UnitFromSymbol(*quantity, *choice.unit);
        if (!code) throw BadArgument("unit " + *choice.unit + " does not belong to " + choice.name);
        unitCode = *code;
    }
    if (choice.A || choice.amu) {
        if (const auto refusal =
                TakeSpecies(choice.A.value_or(""), choice.amu.value_or(""), session.state, session.set))
            Refuse(*refusal);
    }
    const StatPage page = QuantityPage(*quantity);
    if (PageQuantity(session.state, page) != *quantity) session.state.filterOf(page) = SigmaFilterState{};
    SetPageQuantity(session.state, *quantity);
    session.state.unitOf(*quantity) = unitCode;
    return page;
}

StatPage AvailablePage(Session& session, const QuantityChoice& choice) {
    const StatPage page = SelectQuantityOf(session, choice);
    if (const auto refusal = CheckAvailability(page, session.state, session.set)) Refuse(*refusal);
    return page;
}

void FillQuantityValues(const Session& session, StatPage page, double* out) {
    const QuantitySelection selection = SelectionFor(session.state, page);
    WithQuantityValue(selection, [&](auto value) { FillColumn(Ions(session.set), value, out); });
}

}  // namespace zelkor::bindings
