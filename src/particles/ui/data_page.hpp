#pragma once

#include "widgets/data_table_view.hpp"
#include "widgets/listeners.hpp"
#include "widgets/window_services.hpp"

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QTableView;

namespace zelkor {

struct AppState;
struct ParticleSet;
class BusyPanel;
class DataGridModel;
class IonGridTable;
class TableViewGrid;
class UnitRowsWindow;
class UserDialogs;

// The "Data Processing" page: the ions in strgDataProc (Preview), the file's
// first lines in memHeader (Header), the co-ordinate picture, and the buttons
// that open the per-ion windows: its own Position and Angles windows, and
// the relativity library's window through the links.
class DataPage : public QWidget, public DataTableView, public ResetListener, public LoadListener {
    Q_OBJECT
public:
    DataPage(const WindowServices& services, QWidget* parent);
    ~DataPage() override;

    QTableView& grid() { return *grid_; }
    DataGridModel& model() { return *model_; }
    TableViewGrid& editableGrid() { return *editableGrid_; }
    UnitRowsWindow& positionsWindow() { return *positions_; }
    UnitRowsWindow& anglesWindow() { return *angles_; }

    // Grid, header text and picture hidden.
    void hideViews() override;
    // A per-ion table replaces the grid's content and is shown.
    void showTable(std::shared_ptr<const IonGridTable> table) override;
    // Views hidden, the set about to be replaced forgotten, "Number of
    // Particles" empty while the load runs.
    void resetForLoad() override;
    // "Number of Particles": the loaded count.
    void loaded(SourceKind kind) override;

public slots:
    void btnPreviewClick();
    void btnHeaderClick();
    void btnRelParClick();
    void btnPositionClick();
    void btnAnglesClick();
    void btnCoorSysClick();

private:
    void buildLayout();
    void fitColumns();
    bool refuseWithoutData();

    WindowServices services_;
    QTableView* grid_;
    DataGridModel* model_;
    TableViewGrid* editableGrid_;
    QPlainTextEdit* header_;
    QLabel* picture_;
    QLabel* count_;
    UnitRowsWindow* positions_;
    UnitRowsWindow* angles_;
};

}  // namespace zelkor
