#pragma once

#include "widgets/window_services.hpp"

namespace zelkor {

class CompareRunsWindow;

// File > Compare Runs... opens the window (created here, hidden until then).
// It hears nothing of the others: it never reads the loaded set.
CompareRunsWindow& InstallCompareRuns(const WindowServices& services);

}  // namespace zelkor
