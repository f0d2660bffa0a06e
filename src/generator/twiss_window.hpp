#pragma once

#include "data/message.hpp"
#include "generator/alpha_sign.hpp"

#include <array>
#include <optional>
#include <string>
#include <variant>

namespace zelkor {

// The generator fields that "Show Twiss Parameters" reads, as typed.
struct TwissFields {
    std::string yTotal, zTotal;
    std::string dydxTotal, dzdxTotal;
    std::string epsY, epsZ;
    std::optional<AlphaSign> signY, signZ;
};

// The six label texts of the Twiss window, top to bottom: beta, gamma and
// alpha of the Y plane, then of the Z plane.
using TwissLabels = std::array<std::string, 6>;

// The checks of "Show Twiss Parameters" in their order, then the labels.
std::variant<TwissLabels, Message> ShowTwissParameters(const TwissFields& fields);

}  // namespace zelkor
