#pragma once

#include "widgets/listeners.hpp"

namespace zelkor {

struct WindowServices;

// Creates the generator window with its Distributions and Twiss windows and
// the run's one random source, and connects File > Generate > TRIM.DAT. The
// window hears picks in the element table.
Listeners InstallGenerator(const WindowServices& services);

}  // namespace zelkor
