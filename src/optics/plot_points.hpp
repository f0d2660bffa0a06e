#pragma once

#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "data/source_kind.hpp"
#include "optics/phase_space.hpp"

#include <vector>

namespace zelkor {

// The points of an emittance plot: for every ion, in index order, its
// plotted value (PlotPointOf) of the bottom and of the left coordinate.
struct PlotPoints {
    std::vector<double> keys;
    std::vector<double> values;
};

// Computed on every core; the progress advances by one at every ion whose
// index less one is a whole multiple of count / 100.
PlotPoints ComputePlotPoints(const ParticleSet& set, SourceKind kind, PhaseCoordinate bottom, PhaseCoordinate left,
                             Progress& progress = NoProgress());

}  // namespace zelkor
