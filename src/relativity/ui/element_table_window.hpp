#pragma once

#include <QDialog>

namespace zelkor {

struct ElementEntry;
struct WindowHooks;

// "Periodic table of elements" (TTable): 92 element buttons laid out as the
// periodic table; a pick goes to whichever calling window is on screen.
class ElementTableWindow : public QDialog {
    Q_OBJECT
public:
    ElementTableWindow(WindowHooks& hooks, QWidget* parent);

    // PickElement: the calling windows fill their fields, the table closes.
    void pickElement(const ElementEntry& entry);

private:
    void placeLabels();

    WindowHooks& hooks_;
};

}  // namespace zelkor
