#pragma once

#include "python/py_particle_set.hpp"

#include <pybind11/numpy.h>

#include <optional>
#include <string>

namespace zelkor::python {

// The options every statistics call takes: the quantity's name, its unit
// symbol, and A and amu for the relativistic window (None: not given).
struct QuantityArgs {
    std::string name;
    std::optional<std::string> unit;
    pybind11::object A;
    pybind11::object amu;
};

// quantity(), stats(), sigma_filter() and histogram() of a ParticleSet.
pybind11::array_t<double> QuantityValues(PyParticleSet& s, const QuantityArgs& args);
pybind11::dict Stats(PyParticleSet& s, const QuantityArgs& args, pybind11::handle width);
int SigmaFilter(PyParticleSet& s, const QuantityArgs& args, pybind11::handle n);
pybind11::tuple HistogramOf(PyParticleSet& s, const QuantityArgs& args, pybind11::handle width,
                            const std::string& display, pybind11::handle zoom, bool fit);

}  // namespace zelkor::python
