#pragma once

#include "widgets/listeners.hpp"

#include <QDialog>

namespace zelkor {

class PageHost;
struct ElementEntry;

// "Periodic table of elements" (TTable): 92 element buttons laid out as the
// periodic table; a pick goes to whichever calling window is on screen.
class ElementTableWindow : public QDialog, public ResetListener {
    Q_OBJECT
public:
    ElementTableWindow(const PageHost& host, QWidget* parent);

    // PickElement: the calling windows fill their fields, the table closes.
    void pickElement(const ElementEntry& entry);
    // Closed before a load.
    void resetForLoad() override { reject(); }

private:
    void placeLabels();

    const PageHost& host_;
};

}  // namespace zelkor
