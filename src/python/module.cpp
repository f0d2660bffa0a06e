#include "python/py_errors.hpp"
#include "python/py_generate.hpp"
#include "python/py_particle_set.hpp"
#include "python/py_summary.hpp"

#include <pybind11/pybind11.h>

PYBIND11_MODULE(zelkor, m) {
    // Every docstring starts with the call as a script writes it.
    pybind11::options options;
    options.disable_function_signatures();
    m.doc() = R"doc(ZELKOR's core for Python: SRIM/TRIM ion tables with the program's own readers,
statistics, filters, histograms, beam optics and writers, giving the same
numbers to the last bit as the program and zelkor-batch.

    import zelkor
    s = zelkor.load("TRANSMIT.TXT")          # or TRIM.DAT, a .pnt point file
    s.energy, s.y, s.cos_x ...               # numpy views, no copy
    s.stats("KinEnerg", "keV")               # min, max, mean, dispersion, sigma
    s.sigma_filter("KinEnerg", 2)            # rejects outliers in s.accepted
    edges, counts = s.histogram("PosY", "um", display="filtered")
    s.relativistic(A=12, amu=12.0)           # fills s.momentum
    s.sigma_matrix(); s.beam_parameters()
    s.transform(matrix).save("moved.txt")
    s.save("accepted.txt")                   # accepted ions only
    zelkor.generate("TRIM.DAT", particles=1000, ...)
    zelkor.summary(["run1.txt", "run2.txt"]) # one row of figures per file

Refusals raise ValueError and file failures OSError, with the program's
message ("Bad file opened!", "Cannot open a file!" ...).)doc";
    zelkor::python::RegisterErrors();
    zelkor::python::BindParticleSet(m);
    zelkor::python::BindGenerate(m);
    zelkor::python::BindSummary(m);
}
