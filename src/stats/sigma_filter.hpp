#pragma once

#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "stats/quantity_selection.hpp"

namespace zelkor {

// Marks every record 1..count accepted when its value lies in
// [MeanAll - n * SigmaAll, MeanAll + n * SigmaAll] (both bounds inclusive,
// taken over all ions whatever the flags), rejected otherwise.
// AcceptAll and CountRejected (data/particle_set.hpp) are its companions.
void ApplySigmaFilter(ParticleSet& set, const QuantitySelection& selection, double n,
                      Progress& progress = NoProgress());

}  // namespace zelkor
