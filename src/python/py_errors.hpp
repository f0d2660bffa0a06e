#pragma once

#include "data/message.hpp"

namespace zelkor::python {

// A program message as a Python exception: OSError when a file could not be
// opened, written or closed, ValueError for everything the program refuses.
[[noreturn]] void RaiseMessage(const Message& message);

}  // namespace zelkor::python
