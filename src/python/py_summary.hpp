#pragma once

#include <pybind11/pybind11.h>

namespace zelkor::python {

// zelkor.summary(paths, kind=None): one row per file, as zelkor-batch summary.
void BindSummary(pybind11::module_& m);

}  // namespace zelkor::python
