#pragma once

#include "data/source_kind.hpp"

#include <functional>
#include <memory>
#include <vector>

namespace zelkor {

class IonGridTable;
struct ElementEntry;

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
    // A pick in the element table: every window that can open the table fills
    // its own fields here when it is the one on screen.
    std::vector<std::function<void(const ElementEntry&)>> elementPicked;

    // The data page: its views out of sight while a per-ion table is being
    // made, then a table in its grid (lastDataColumn follows).
    std::function<void()> hideDataViews;
    std::function<void(std::shared_ptr<const IonGridTable>)> showDataTable;
    // A relativistic calculation starts: the energy and momentum pages hide
    // their histograms and empty their interval-width edits.
    std::vector<std::function<void()>> relativisticStarted;
};

}  // namespace zelkor
