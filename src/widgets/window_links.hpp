#pragma once

#include "widgets/listeners.hpp"

namespace zelkor {

class DataTableView;
class WindowOpeners;

// How the windows of different libraries reach each other. compose.cpp fills
// it once, after every library is installed; until then, and in a test host
// without those libraries, a window finds no opener and no data table and
// its button does nothing.
struct WindowLinks {
    Listeners listeners;
    WindowOpeners* openers = nullptr;
    DataTableView* dataTable = nullptr;
};

}  // namespace zelkor
