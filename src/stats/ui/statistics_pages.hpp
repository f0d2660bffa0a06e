#pragma once

#include "widgets/listeners.hpp"

namespace zelkor {

struct WindowServices;

// Puts the four statistics pages into the main window's tabs, creates their
// analysis windows, and joins them to the Edit menu and the Ctrl+C hand-over.
// Returns what they hear: the reset before a load, the load, unit changes,
// the relativistic start (energy and momentum) and the angle switch (angle).
Listeners InstallStatisticsPages(const WindowServices& services);

}  // namespace zelkor
