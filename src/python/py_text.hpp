#pragma once

#include "io/printf_format.hpp"

#include <pybind11/pybind11.h>

#include <string>

namespace zelkor::python {

// A Python value as the text typed into an edit, so that the program's own
// checks and messages apply: a str as it is, None as an empty edit, an
// integer in full, any other number in the shortest form that reads back to
// the same double.
inline std::string FieldText(pybind11::handle value) {
    namespace py = pybind11;
    if (value.is_none()) return {};
    if (py::isinstance<py::str>(value)) return value.cast<std::string>();
    if (py::isinstance<py::bool_>(value)) throw py::type_error("expected a number or a str, not bool");
    if (PyIndex_Check(value.ptr())) {
        const py::object whole = py::reinterpret_steal<py::object>(PyNumber_Index(value.ptr()));
        if (!whole) throw py::error_already_set();
        return py::str(whole).cast<std::string>();
    }
    const double number = PyFloat_AsDouble(value.ptr());
    if (number == -1.0 && PyErr_Occurred()) throw py::error_already_set();
    return FormatShortest(number);
}

}  // namespace zelkor::python
