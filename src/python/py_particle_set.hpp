#pragma once

#include "bindings/session.hpp"

#include <pybind11/pybind11.h>

#include <string>

namespace zelkor::python {

// A loaded session as a script holds it.
struct PyParticleSet : bindings::Session {
    std::string origin;  // "file='...'" or "transformed from file='...'", for repr
};

// zelkor.ParticleSet and zelkor.load.
void BindParticleSet(pybind11::module_& module);

}  // namespace zelkor::python
