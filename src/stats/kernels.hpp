#pragma once

#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "stats/quantity_selection.hpp"
#include "stats/stat_summary.hpp"

namespace zelkor {

// The ten statistics kernels over records 1..count. Each is linear, allocates
// nothing, never changes a record and yields to the progress after every
// record. A set without ions gives 0 from every kernel.
double MinAll(const ParticleSet& set, const QuantitySelection& selection, Progress& progress = NoProgress());
double MaxAll(const ParticleSet& set, const QuantitySelection& selection, Progress& progress = NoProgress());
double MeanAll(const ParticleSet& set, const QuantitySelection& selection, Progress& progress = NoProgress());
// Population variance about MeanAll (divisor count), in two passes.
double DispersionAll(const ParticleSet& set, const QuantitySelection& selection, Progress& progress = NoProgress());
double SigmaAll(const ParticleSet& set, const QuantitySelection& selection, Progress& progress = NoProgress());

// Over the records whose accepted byte is 1. Min and max start from MeanAll,
// not from an accepted value; mean and dispersion are 0 when none is accepted.
double MinAccepted(const ParticleSet& set, const QuantitySelection& selection, Progress& progress = NoProgress());
double MaxAccepted(const ParticleSet& set, const QuantitySelection& selection, Progress& progress = NoProgress());
double MeanAccepted(const ParticleSet& set, const QuantitySelection& selection, Progress& progress = NoProgress());
double DispersionAccepted(const ParticleSet& set, const QuantitySelection& selection,
                          Progress& progress = NoProgress());
double SigmaAccepted(const ParticleSet& set, const QuantitySelection& selection, Progress& progress = NoProgress());

// The five kernels of one scope, bit for bit what they give one by one, in
// two passes instead of eight; the progress advances by 20 per statistic.
StatSummary SummarizeAll(const ParticleSet& set, const QuantitySelection& selection, Progress& progress = NoProgress());
StatSummary SummarizeAccepted(const ParticleSet& set, const QuantitySelection& selection,
                              Progress& progress = NoProgress());

}  // namespace zelkor
