#pragma once

#include "widgets/listeners.hpp"

namespace zelkor {

struct WindowServices;

// Puts the "Emittance" and "Transform" pages into the main window's tabs and
// joins them to the Edit menu, the Ctrl+C hand-over and File > Save >
// Transformed File. Both hear the reset before a load.
Listeners InstallOpticsPages(const WindowServices& services);

}  // namespace zelkor
