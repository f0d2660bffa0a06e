#pragma once

#include "data/particle_set.hpp"
#include "state/app_state.hpp"
#include "stats/value_column.hpp"

#include <string>

namespace zelkor::bindings {

// One loaded file with the state a main window would hold beside it, so that
// the statistics pages' quantities, units and committed filters carry from
// one call to the next as they do between clicks.
struct Session {
    ParticleSet set;
    AppState state;
    std::string warnings;  // the load's warning texts, one per line
    ColumnStore columns;   // the last angle, slope or radius column, for the next command
};

}  // namespace zelkor::bindings
