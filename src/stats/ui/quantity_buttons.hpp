#pragma once

#include "state/quantity_id.hpp"
#include "state/stat_page.hpp"

#include <span>

namespace zelkor {

// A quantity radio button of a statistics page.
struct QuantityButton {
    QuantityId quantity;
    const char* objectName;
    const char* caption;
};

// The page's quantity buttons in their order; none on the momentum page,
// whose single quantity has only a group box.
std::span<const QuantityButton> QuantityButtons(StatPage page);

// Caption of the page's quantity group box.
const char* QuantityGroupCaption(StatPage page);

}  // namespace zelkor
