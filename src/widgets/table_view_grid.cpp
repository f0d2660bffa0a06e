#include "widgets/table_view_grid.hpp"

#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QShortcut>
#include <QItemSelectionModel>
#include <QTableView>

#include <algorithm>

namespace zelkor {

TableViewGrid::TableViewGrid(QTableView& view, const CellTextSource& cells, CopyTarget copyTarget, bool titleRow)
    : QObject(&view), view_(view), cells_(cells), copyTarget_(copyTarget), rowOffset_(titleRow ? 1 : 0) {
    view_.installEventFilter(this);
    const auto named = [this] {
        if (clicked_) clicked_();
    };
    connect(&view_, &QAbstractItemView::pressed, this, named);
    // A header click selects a whole column or row: it names the grid as a cell click does.
    connect(view_.horizontalHeader(), &QHeaderView::sectionPressed, this, named);
    connect(view_.verticalHeader(), &QHeaderView::sectionPressed, this, named);
}

bool TableViewGrid::isShown() const { return !view_.isHidden(); }

int TableViewGrid::lastDataRow() const {
    return view_.model() ? view_.model()->rowCount() - 1 + rowOffset_ : rowOffset_ - 1;
}

int TableViewGrid::lastColumn() const { return view_.model() ? view_.model()->columnCount() - 1 : -1; }

GridRect TableViewGrid::selection() const {
    const QItemSelectionModel* model = view_.selectionModel();
    if (!model) return kNoCell;
    // Range selection gives one rectangle; should there be several, their hull.
    GridRect rect;
    bool any = false;
    for (const QItemSelectionRange& range : model->selection()) {
        if (!range.isValid()) continue;
        const int top = range.top() + rowOffset_;
        const int bottom = range.bottom() + rowOffset_;
        rect = any ? GridRect{std::min(rect.left, range.left()), std::min(rect.top, top),
                              std::max(rect.right, range.right()), std::max(rect.bottom, bottom)}
                   : GridRect{range.left(), top, range.right(), bottom};
        any = true;
    }
    return any ? rect : kNoCell;
}

void TableViewGrid::setSelection(const GridRect& rect) {
    QItemSelectionModel* selection = view_.selectionModel();
    if (!selection) return;
    const QAbstractItemModel* model = view_.model();
    const int top = rect.top - rowOffset_;
    const int bottom = rect.bottom - rowOffset_;
    if (rect.empty() || top < 0 || bottom >= model->rowCount() || rect.right >= model->columnCount()) {
        selection->clearSelection();
        return;
    }
    const QItemSelection range(model->index(top, rect.left), model->index(bottom, rect.right));
    selection->select(range, QItemSelectionModel::ClearAndSelect);
}

void TableViewGrid::onEditKeys(std::function<void()> copy, std::function<void()> selectAll) {
    copyKey_ = std::move(copy);
    selectAllKey_ = std::move(selectAll);
    // The same keys anywhere else in the grid's window, for its first grid:
    // two shortcuts of one key in a window would both stay silent.
    QWidget* window = view_.window();
    if (window->property("zelkorEditKeys").toBool()) return;
    window->setProperty("zelkorEditKeys", true);
    auto* copyShortcut = new QShortcut(QKeySequence::Copy, window);
    connect(copyShortcut, &QShortcut::activated, this, [this] { copyKey_(); });
    auto* selectAllShortcut = new QShortcut(QKeySequence::SelectAll, window);
    connect(selectAllShortcut, &QShortcut::activated, this, [this] { selectAllKey_(); });
}

const std::function<void()>* TableViewGrid::editKeyAction(QEvent* event) const {
    if (!copyKey_ || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)) return nullptr;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy)) return &copyKey_;
    if (key->matches(QKeySequence::SelectAll)) return &selectAllKey_;
    return nullptr;
}

bool TableViewGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &view_) {
        if (const std::function<void()>* action = editKeyAction(event)) {
            // Claimed at the override so that neither the view nor a shortcut takes the key first.
            event->accept();
            if (event->type() == QEvent::KeyPress) (*action)();
            return true;
        }
    }
    if (watched == &view_ && event->type() == QEvent::FocusOut && focusLost_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool focusStays =
            reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason || reason == Qt::ActiveWindowFocusReason;
        // A grid hidden while it had the focus (a new load) has nothing left to deselect.
        if (!focusStays && !view_.isHidden()) focusLost_();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zelkor
