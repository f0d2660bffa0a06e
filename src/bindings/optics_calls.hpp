#pragma once

#include "bindings/session.hpp"
#include "optics/beam_parameters.hpp"
#include "optics/transfer_matrix.hpp"

#include <array>
#include <string>

namespace zelkor::bindings {

// The sixteen element texts (hh11, hh12, hv11 ... row by row) through the
// transform page's own checks; a refused element throws its message.
TransferMatrix CheckedMatrix(const std::array<std::string, 16>& texts);

// The ions moved by the matrix as Save > Transformed File computes them,
// before the file's rounding; every ion, flags kept, the matrix kept in the
// new session's state. A point set holds the new positions in Angstrom.
Session TransformSession(const Session& session, const TransferMatrix& matrix);

// Beam parameters of the Y and Z planes from the session's sigma matrix.
std::array<PlaneParameters, 2> BeamParametersOf(const SigmaMatrix& sigma);

}  // namespace zelkor::bindings
