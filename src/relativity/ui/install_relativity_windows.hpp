#pragma once

#include "widgets/listeners.hpp"

namespace zelkor {

struct WindowServices;
class WindowOpeners;

// The relativity windows' listeners and their openers for other libraries.
struct InstalledRelativityWindows {
    Listeners listeners;
    WindowOpeners& openers;
};

// Creates the "Relativistic Parameters" window and the periodic table of
// elements beside it.
InstalledRelativityWindows InstallRelativityWindows(const WindowServices& services);

}  // namespace zelkor
