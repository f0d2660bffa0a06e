#pragma once

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
class UserDialogs;

// The "Data Processing" page: the ions in strgDataProc (Preview), the file's
// first lines in memHeader (Header), the co-ordinate picture, and the buttons
// that open the per-ion windows.
class DataPage : public QWidget {
    Q_OBJECT
public:
    DataPage(const WindowServices& services, QWidget* parent);
    ~DataPage() override;

    QTableView& grid() { return *grid_; }
    DataGridModel& model() { return *model_; }
    TableViewGrid& editableGrid() { return *editableGrid_; }

    // Grid, header text and picture hidden (the reset before a load).
    void hideViews();
    // A per-ion table replaces the grid's content and is shown.
    void showTable(std::shared_ptr<const IonGridTable> table);
    // The grid forgets the set, which is about to be replaced.
    void forgetSet();
    // "Number of Particles": the count, or empty while a load runs.
    void showParticleCount(int count);
    void clearParticleCount();

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
};

}  // namespace zelkor
