#include "python/py_errors.hpp"

#include <pybind11/pybind11.h>

#include <string_view>

namespace zelkor::python {

void RaiseMessage(const Message& message) {
    const std::string_view text = message.text;
    const bool fileFailure = text == kCannotOpenText || text == kCannotCloseText || text == kCannotSaveText ||
                             text == kCannotExportText || text == kCannotImportText;
    PyErr_SetString(fileFailure ? PyExc_OSError : PyExc_ValueError, message.text.c_str());
    throw pybind11::error_already_set();
}

}  // namespace zelkor::python
