#pragma once

#include "data/particle_set.hpp"
#include "data/progress.hpp"

namespace zelkor {

// Stores MomentumOfIon(energy, amu) in the momentum field of every record
// 1..count, accepted or not. Only for sets whose momentum field is free for
// it (TRANSMIT.TXT, TRIM.DAT): a WinAGILE set keeps dp/p there.
void ComputeMomenta(ParticleSet& set, double amu, Progress& progress = NoProgress());

}  // namespace zelkor
