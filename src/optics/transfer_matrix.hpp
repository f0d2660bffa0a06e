#pragma once

#include "state/matrix4.hpp"
#include "data/message.hpp"

#include <array>
#include <optional>
#include <string>

namespace zelkor {

// Rows and columns in the order Y [m], Y' [rad], Z [m], Z' [rad]; the
// horizontal block hh, the coupling blocks hv and vh, the vertical block vv.
using TransferMatrix = Matrix4;

// The sixteen element names in the order the fields are read, row by row.
inline constexpr std::array<const char*, 16> kTransferElementNames = {
    "hh11", "hh12", "hv11", "hv12", "hh21", "hh22", "hv21", "hv22",
    "vh11", "vh12", "vv11", "vv12", "vh21", "vh22", "vv21", "vv22",
};

// The default texts of the sixteen fields: the identity.
std::array<std::string, 16> IdentityMatrixTexts();

// The checks of "Calculate": the texts in the order of kTransferElementNames;
// an empty text gives "Missing value <name>", a text that is no real number
// "Value <name> must be real number". The matrix takes the sixteen values
// only when all of them pass: a refused input leaves it as it was, so a
// transformed file saved afterwards never uses a matrix half made of values
// the user was told are wrong.
std::optional<Message> ReadTransferMatrix(const std::array<std::string, 16>& texts, TransferMatrix& matrix);

}  // namespace zelkor
