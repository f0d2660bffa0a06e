#pragma once

#include <pybind11/pybind11.h>

namespace zelkor::python {

// zelkor.generate.
void BindGenerate(pybind11::module_& module);

}  // namespace zelkor::python
