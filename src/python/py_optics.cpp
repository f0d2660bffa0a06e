#include "python/py_optics.hpp"

#include "bindings/optics_calls.hpp"
#include "optics/sigma_matrix.hpp"
#include "python/py_text.hpp"

#include <limits>

namespace zelkor::python {
namespace {

namespace py = pybind11;
using Set = PyParticleSet;

// The matrix goes through the transform page's own checks: every element in
// a form that reads back to the same double, so a NaN or an infinity is
// refused with the page's message.
TransferMatrix CheckedMatrix(const MatrixArg& matrix) {
    if (matrix.ndim() != 2 || matrix.shape(0) != 4 || matrix.shape(1) != 4)
        throw py::value_error("the transfer matrix must be 4 x 4");
    const auto view = matrix.unchecked<2>();
    std::array<std::string, 16> texts;
    for (py::ssize_t r = 0; r < 4; ++r)
        for (py::ssize_t c = 0; c < 4; ++c)
            texts[static_cast<std::size_t>(r * 4 + c)] = FieldText(py::float_(view(r, c)));
    return bindings::CheckedMatrix(texts);
}

}  // namespace

py::array_t<double> SigmaMatrixOf(const Set& s) {
    const SigmaMatrix m = ComputeSigmaMatrix(s.set, s.state.sourceKind);
    py::array_t<double> out({4, 4});
    auto view = out.mutable_unchecked<2>();
    for (py::ssize_t r = 0; r < 4; ++r)
        for (py::ssize_t c = 0; c < 4; ++c) view(r, c) = m.entry[r][c];
    return out;
}

py::dict BeamParameters(const Set& s) {
    const auto parameters = bindings::BeamParametersOf(ComputeSigmaMatrix(s.set, s.state.sourceKind));
    py::dict planes;
    for (const Plane plane : {Plane::Y, Plane::Z}) {
        const PlaneParameters& p = parameters[plane == Plane::Y ? 0 : 1];
        // The emittance page says "undefined" where Python has nan.
        const double nan = std::numeric_limits<double>::quiet_NaN();
        py::dict d;
        d["eps_rms"] = p.emittance;
        d["beta"] = p.defined ? p.beta : nan;
        d["gamma"] = p.defined ? p.gamma : nan;
        d["alpha"] = p.defined ? p.alpha : nan;
        planes[plane == Plane::Y ? "Y" : "Z"] = d;
    }
    return planes;
}

std::unique_ptr<Set> Transform(const Set& s, const MatrixArg& matrix) {
    auto out = std::make_unique<Set>();
    static_cast<bindings::Session&>(*out) = bindings::TransformSession(s, CheckedMatrix(matrix));
    out->origin = "transformed from " + s.origin;
    return out;
}

}  // namespace zelkor::python
