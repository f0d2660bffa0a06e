#pragma once

#include "data/source_kind.hpp"

#include <cstddef>
#include <cstdint>

namespace zelkor::fuzz {

// Loads the bytes as a file of the kind, the way the program does, and aborts
// when the loaded set breaks an invariant or does not survive a save and a
// reload of the same kind.
void LoadAndCheck(SourceKind kind, const std::uint8_t* data, std::size_t size);

}  // namespace zelkor::fuzz
