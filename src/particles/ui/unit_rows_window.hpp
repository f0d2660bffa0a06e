#pragma once

#include "widgets/listeners.hpp"
#include "widgets/window_services.hpp"
#include "state/quantity_id.hpp"
#include "tables/quantity_table.hpp"

#include <QDialog>

#include <array>
#include <vector>

class QCheckBox;
class QRadioButton;
class QTimer;

namespace zelkor {

class DataPage;

// One unit radio button: its object name and caption; its unit code is its place in the row.
struct UnitChoice {
    const char* name;
    const char* caption;  // UTF-8
};

// A row of the window: a check box, then the radio buttons of its quantity's units.
struct UnitRow {
    const char* panel;
    const char* checkBox;
    const char* caption;
    QuantityId quantity;
    std::vector<UnitChoice> units;
};

struct UnitRowsWindowDescription {
    const char* objectName;
    const char* caption;
    std::array<UnitRow, 5> rows;
    const char* selectAll;
    const char* deselectAll;
    const char* calculation;
    const char* cancel;
    const char* timer;
    // Angles: a WinAGILE set has slopes only, so "Select All" and
    // "Deselect All" leave the three angle rows alone.
    bool slopesOnlyForPointFiles;
    QuantityTable (*makeTable)(const ParticleSet&, const AppState&, const RowTicks&);
};

const UnitRowsWindowDescription& PositionsWindowDescription();
const UnitRowsWindowDescription& AnglesWindowDescription();

// "Position" (TPositions) and "Angles" (TAngles): the user ticks the
// quantities of a per-ion table and picks their units; a unit click sets the
// quantity's unit code at once, also for the statistics pages. Only the
// Angles window is registered to hear the angle choices.
class UnitRowsWindow : public QDialog, public ResetListener, public AngleChoiceListener {
    Q_OBJECT
public:
    UnitRowsWindow(const WindowServices& services, DataPage& page, const UnitRowsWindowDescription& description,
                   QWidget* parent);

    RowTicks ticks() const;
    QTimer& timer() { return *timer_; }
    // Closed before a load.
    void resetForLoad() override;
    // Povol / Pozastav: the check boxes of angle X, Y and Z.
    void switchAngleChoices(bool enabled) override;

public slots:
    void selectAllClick();
    void deselectAllClick();
    void calculationClick();
    // The 100 ms one-shot after "Calculation": the table into the data grid.
    void timerFired();

private:
    void buildRow(std::size_t index, QWidget* panel);
    void unitClick(QuantityId quantity, int code);
    void tickSelectable(bool ticked);

    WindowServices services_;
    DataPage& page_;
    const UnitRowsWindowDescription& description_;
    std::array<QCheckBox*, 5> boxes_{};
    std::array<std::vector<QRadioButton*>, 5> units_{};
    QTimer* timer_;
};

}  // namespace zelkor
