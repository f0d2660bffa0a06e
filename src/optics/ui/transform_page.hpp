#pragma once

#include "widgets/listeners.hpp"
#include "widgets/window_services.hpp"

#include <QWidget>

#include <array>

class QGroupBox;
class QLineEdit;
class QTableView;

namespace zelkor {

class TableViewGrid;
class TransformModel;

// The "Transform" page: the sixteen transfer-matrix fields, the listing of
// every ion's old and new co-ordinates, and File > Save > Transformed File.
class TransformPage : public QWidget, public ResetListener {
    Q_OBJECT
public:
    TransformPage(const WindowServices& services, QWidget* parent);
    ~TransformPage() override;

    QTableView& grid() { return *grid_; }
    TransformModel& model() { return *model_; }
    TableViewGrid& editableGrid() { return *editableGrid_; }
    QGroupBox& matrixBox() { return *matrixBox_; }
    // The sixteen fields in the order they are read (hh11, hh12, hv11, ...).
    const std::array<QLineEdit*, 16>& matrixEdits() const { return edits_; }

    // The reset before a load: identity texts, box and grid hidden, the set forgotten.
    void resetForLoad() override;

public slots:
    void btnTransMatrixClick();
    void btnCalcTransClick();
    void SaveTransformedFileClick();

private:
    void buildLayout();
    bool refuseWithoutData();

    WindowServices services_;
    QGroupBox* matrixBox_;
    std::array<QLineEdit*, 16> edits_{};
    QTableView* grid_;
    TransformModel* model_;
    TableViewGrid* editableGrid_;
};

}  // namespace zelkor
