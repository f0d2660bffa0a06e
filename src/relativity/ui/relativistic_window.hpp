#pragma once

#include "widgets/window_services.hpp"
#include "relativity/relativistic_table.hpp"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QTimer;

namespace zelkor {

struct ElementEntry;

// "Relativistic Parameters" (TRelPar): the ion species, the quantities of the
// relativistic table and the units of the energy and momentum pages.
class RelativisticWindow : public QDialog {
    Q_OBJECT
public:
    RelativisticWindow(const WindowServices& services, QWidget* parent);

    RelativisticSelection selection() const;
    QTimer& timer() { return *timer_; }
    // A pick in the element table: A, amu and n (also while n is disabled).
    void fillElement(const ElementEntry& entry);
    // Before a load: the three species edits empty, the window closed.
    void resetForLoad();

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
    std::array<QCheckBox*, 7> checks_{};
    std::array<QRadioButton*, 4> momentumUnits_{};
    QLineEdit* a_;
    QLineEdit* amu_;
    QLineEdit* n_;
    QTimer* timer_;
};

}  // namespace zelkor
