#pragma once

#include "bindings/session.hpp"
#include "state/stat_page.hpp"

#include <optional>
#include <string>

namespace zelkor::bindings {

// The options every statistics call takes: the quantity's name, its unit
// symbol (none: the family's first), and A and amu as typed into the
// relativistic window (neither given: the session's own).
struct QuantityChoice {
    std::string name;
    std::optional<std::string> unit;
    std::optional<std::string> A;
    std::optional<std::string> amu;
};

// What the batch tool's statistics options do, on the session's state: the
// quantity and its unit become the page's, A and amu (when either is given)
// are taken as the relativistic window takes them. A page switching to
// another quantity drops its committed filter, as a click on the quantity
// does; the flags stay as they were.
StatPage SelectQuantityOf(Session& session, const QuantityChoice& choice);

// SelectQuantityOf, then the page's availability check.
StatPage AvailablePage(Session& session, const QuantityChoice& choice);

// Every ion's value of the page's quantity in its unit, in index order (count values).
void FillQuantityValues(const Session& session, StatPage page, double* out);

}  // namespace zelkor::bindings
