#pragma once

#include "state/app_state.hpp"
#include "data/particle_set.hpp"

#include <pybind11/pybind11.h>

#include <string>

namespace zelkor::python {

// One loaded file with the state a main window would hold beside it, so that
// the statistics pages' quantities, units and committed filters carry from
// one call to the next as they do between clicks.
struct PyParticleSet {
    ParticleSet set;
    AppState state;
    std::string warnings;  // the load's warning texts, one per line
    std::string origin;    // "file='...'" or "transformed from file='...'", for repr
};

// zelkor.ParticleSet and zelkor.load.
void BindParticleSet(pybind11::module_& module);

}  // namespace zelkor::python
