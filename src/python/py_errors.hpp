#pragma once

#include "data/message.hpp"

#include <pybind11/pybind11.h>

namespace zelkor::python {

// A program message as a Python exception: OSError when a file could not be
// opened, written or closed, ValueError for everything the program refuses.
[[noreturn]] void RaiseMessage(const Message& message);

// Makes the shared bindings' refusals those exceptions.
void RegisterErrors();

}  // namespace zelkor::python
