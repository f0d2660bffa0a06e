#pragma once

#include "data/source_kind.hpp"

#include <vector>

namespace zelkor {

struct ElementEntry;

// What a window can hear of the others. A window implements the interfaces
// of what it hears; compose.cpp registers it, and each list hears in the
// order stated there.

// Cisti, before every load that passed its check: hide grids and graphs,
// close windows, empty edits, select "No Filter" and "Whole Spectrum".
class ResetListener {
public:
    virtual void resetForLoad() = 0;

protected:
    ~ResetListener() = default;
};

// After a load replaced the set (captions that depend on the kind or its units).
class LoadListener {
public:
    virtual void loaded(SourceKind kind) = 0;

protected:
    ~LoadListener() = default;
};

// After a window changed a unit code or the energy quantity's mass inputs.
class UnitListener {
public:
    virtual void unitsChanged() = 0;

protected:
    ~UnitListener() = default;
};

// A pick in the element table: a window that can open the table fills its
// own fields when it is the one on screen.
class ElementPickListener {
public:
    virtual void elementPicked(const ElementEntry& entry) = 0;

protected:
    ~ElementPickListener() = default;
};

// A relativistic calculation starts: it replaces the energies and momenta.
class RelativisticStartListener {
public:
    virtual void relativisticStarted() = 0;

protected:
    ~RelativisticStartListener() = default;
};

// Povol (true) and Pozastav (false): the angle X, Y, Z choices enabled or disabled.
class AngleChoiceListener {
public:
    virtual void switchAngleChoices(bool enabled) = 0;

protected:
    ~AngleChoiceListener() = default;
};

// Who hears what, each list in the order in which its members hear. A
// subsystem's installation returns its own; compose.cpp appends them.
struct Listeners {
    std::vector<ResetListener*> reset;
    std::vector<LoadListener*> load;
    std::vector<UnitListener*> unitChange;
    std::vector<ElementPickListener*> elementPick;
    std::vector<RelativisticStartListener*> relativisticStart;
    std::vector<AngleChoiceListener*> angleChoice;

    // Another's lists after these.
    void append(const Listeners& other);

    // Each listener of the kind hears it, in order.
    void resetForLoad() const;
    void loaded(SourceKind kind) const;
    void unitsChanged() const;
    void elementPicked(const ElementEntry& entry) const;
    void relativisticStarted() const;
    void switchAngleChoices(bool enabled) const;
};

}  // namespace zelkor
