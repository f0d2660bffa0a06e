#pragma once

#include "data/source_kind.hpp"

#include <functional>
#include <vector>

namespace zelkor {

// How the pages and windows that are not part of the main window's frame take
// part in its commands without the main window knowing them: each registers
// its own piece here when it is created.
struct WindowHooks {
    // Cisti, before every load: hide its grids and graphs, close its windows,
    // empty its edits, select "No Filter" and "Whole Spectrum", reset matrix fields.
    std::vector<std::function<void()>> reset;
    // Povol (true) and Pozastav (false): enable or disable the angle X, Y, Z choices.
    std::vector<std::function<void(bool)>> angleChoices;
    // After a load that replaced the set (labels that depend on the kind).
    std::vector<std::function<void(SourceKind)>> loaded;
    // After a window changed a unit code or the energy quantity's mass inputs
    // (captions that name a unit follow).
    std::vector<std::function<void()>> unitsChanged;

    // The windows the data page's buttons open once their checks have passed.
    std::function<void()> openRelativisticWindow;
    std::function<void()> openPositionsWindow;
    std::function<void()> openAnglesWindow;
    // The periodic table of elements (the relativistic window's and the generator's button).
    std::function<void()> openElementTable;
    // Set by the window that opens the element table, just before it does:
    // a click on an element hands that element's atomic number (1..92) here.
    std::function<void(int atomicNumber)> elementPicked;
};

} // namespace zelkor
