#pragma once

namespace zelkor {

struct WindowServices;

// Puts the "Data Processing" page into its tab and joins it to the reset
// before a load, the load's end, the Edit menu and Uklid.
void InstallDataPage(const WindowServices& services);

}  // namespace zelkor
