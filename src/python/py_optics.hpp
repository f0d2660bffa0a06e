#pragma once

#include "python/py_particle_set.hpp"

#include <pybind11/numpy.h>

#include <memory>

namespace zelkor::python {

using MatrixArg = pybind11::array_t<double, pybind11::array::forcecast>;

// sigma_matrix(), beam_parameters() and transform() of a ParticleSet.
pybind11::array_t<double> SigmaMatrixOf(const PyParticleSet& s);
pybind11::dict BeamParameters(const PyParticleSet& s);
std::unique_ptr<PyParticleSet> Transform(const PyParticleSet& s, const MatrixArg& matrix);

}  // namespace zelkor::python
