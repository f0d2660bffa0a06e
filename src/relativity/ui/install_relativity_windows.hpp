#pragma once

namespace zelkor {

struct WindowServices;

// Creates the "Relativistic Parameters" window and the periodic table of
// elements, and joins them to the data page's button, the reset before a
// load and the element-table hooks.
void InstallRelativityWindows(const WindowServices& services);

}  // namespace zelkor
