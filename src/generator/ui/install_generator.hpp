#pragma once

#include "widgets/window_services.hpp"

namespace zelkor {

class GeneratorWindow;

// Creates the generator window with its Distributions and Twiss windows and
// the run's one random source, and connects File > Generate > TRIM.DAT.
GeneratorWindow& InstallGenerator(const WindowServices& services);

}  // namespace zelkor
