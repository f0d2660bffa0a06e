#include "python/py_errors.hpp"

#include "bindings/binding_error.hpp"

namespace zelkor::python {

void RaiseMessage(const Message& message) { bindings::Refuse(message); }

void RegisterErrors() {
    pybind11::register_exception_translator([](std::exception_ptr thrown) {
        try {
            if (thrown) std::rethrow_exception(thrown);
        } catch (const bindings::RefusedCall& refused) {
            PyErr_SetString(refused.isFileFailure() ? PyExc_OSError : PyExc_ValueError, refused.what());
        } catch (const bindings::BadArgument& bad) {
            PyErr_SetString(PyExc_ValueError, bad.what());
        }
    });
}

}  // namespace zelkor::python
