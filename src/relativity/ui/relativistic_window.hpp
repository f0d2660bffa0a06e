#pragma once

#include "widgets/listeners.hpp"
#include "widgets/window_openers.hpp"
#include "widgets/window_services.hpp"
#include "relativity/relativistic_table.hpp"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QTimer;

namespace zelkor {

class ElementTableWindow;
struct ElementEntry;

// "Relativistic Parameters" (TRelPar): the ion species, the quantities of the
// relativistic table and the units of the energy and momentum pages. It and
// the element table beside it are the windows other libraries open.
class RelativisticWindow : public QDialog, public ResetListener, public ElementPickListener, public WindowOpeners {
    Q_OBJECT
public:
    RelativisticWindow(const WindowServices& services, ElementTableWindow& elements, QWidget* parent);

    RelativisticSelection selection() const;
    QTimer& timer() { return *timer_; }
    // A pick in the element table: A, amu and n (also while n is disabled).
    void fillElement(const ElementEntry& entry);
    // The same, while this window is shown.
    void elementPicked(const ElementEntry& entry) override;
    // Before a load: the three species edits empty, the window closed.
    void resetForLoad() override;
    void openRelativisticWindow() override { exec(); }
    void openElementTable() override;

public slots:
    void btnSelAllClick();
    void btnDesAllClick();
    void btnPerTabClick();
    // ValidateAndStart.
    void btnCalcClick();
    // The 100 ms one-shot: ComputeRelativisticTable into the data grid.
    void timerFired();

private:
    QWidget* buildChecks();
    QWidget* buildUnits();
    QWidget* buildSpecies();
    void unitClick(QuantityId quantity, int code);

    WindowServices services_;
    ElementTableWindow& elements_;
    std::array<QCheckBox*, 7> checks_{};
    std::array<QRadioButton*, 4> momentumUnits_{};
    QLineEdit* a_;
    QLineEdit* amu_;
    QLineEdit* n_;
    QTimer* timer_;
};

}  // namespace zelkor
