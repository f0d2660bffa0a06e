#pragma once

#include "widgets/editable_grid.hpp"

#include <QObject>

#include <functional>

class QTableView;

namespace zelkor {

// A QTableView as the Edit menu sees it. With a title row, the view's header
// stands for grid row 0 and model row r is grid row r + 1.
class TableViewGrid : public QObject, public EditableGrid {
    Q_OBJECT
public:
    TableViewGrid(QTableView& view, const CellTextSource& cells, CopyTarget copyTarget, bool titleRow);

    // Runs when the user clicks a cell (the click names this grid for Copy).
    void onClicked(std::function<void()> action) { clicked_ = std::move(action); }
    // Runs when the grid loses the keyboard focus to another control; not when
    // a menu opens or another window is activated, which leave the focus where it was.
    void onFocusLost(std::function<void()> action) { focusLost_ = std::move(action); }
    // Ctrl+C and Ctrl+A in a window without the Edit menu: the program's Copy
    // and Select All instead of the view's own copy of one cell.
    void onEditKeys(std::function<void()> copy, std::function<void()> selectAll);

    CopyTarget copyTarget() const override { return copyTarget_; }
    bool isShown() const override;
    int firstDataRow() const override { return rowOffset_; }
    int lastDataRow() const override;
    int lastColumn() const override;
    GridRect selection() const override;
    void setSelection(const GridRect& rect) override;
    const CellTextSource& cells() const override { return cells_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const std::function<void()>* editKeyAction(QEvent* event) const;

    QTableView& view_;
    const CellTextSource& cells_;
    CopyTarget copyTarget_;
    int rowOffset_;
    std::function<void()> clicked_;
    std::function<void()> focusLost_;
    std::function<void()> copyKey_;
    std::function<void()> selectAllKey_;
};

}  // namespace zelkor
