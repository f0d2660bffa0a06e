#pragma once

#include "widgets/listeners.hpp"

namespace zelkor {

struct WindowServices;
class DataTableView;

// The data page's listeners and the grid other libraries' tables go into.
struct InstalledDataPage {
    Listeners listeners;
    DataTableView& dataTable;
};

// Puts the "Data Processing" page into its tab, with its Position and Angles
// windows, and joins its grid to the Edit menu and Uklid.
InstalledDataPage InstallDataPage(const WindowServices& services);

}  // namespace zelkor
