#include "widgets/edit_commands.hpp"

#include "widgets/busy_panel.hpp"
#include "widgets/clipboard_text.hpp"
#include "widgets/transient_panel.hpp"
#include "widgets/user_dialogs.hpp"
#include "state/app_state.hpp"
#include "widgets/table_view_grid.hpp"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace zelkor {
namespace {

// The UTF-8 bytes as they are: the clipboard converts them only when another
// program asks for another form, and no second copy of a large text is made.
void PutOnClipboard(const QByteArray& text) {
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/plain;charset=utf-8"), text);
    data->setData(QStringLiteral("text/plain"), text);
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace

EditCommands::EditCommands(AppState& state, UserDialogs& dialogs, BusyPanel& busy, TransientPanel& copied)
    : state_(state), dialogs_(dialogs), busy_(busy), copied_(copied) {}

void EditCommands::setPageGrid(MainPage page, EditableGrid& grid) { pageGrids_[page] = &grid; }

void EditCommands::addAnalysisGrid(EditableGrid& grid) { analysisGrids_.push_back(&grid); }

EditableGrid* EditCommands::shownAnalysisGrid() const {
    for (EditableGrid* grid : analysisGrids_)
        if (grid->isShown()) return grid;
    return nullptr;
}

EditableGrid* EditCommands::shownPageGrid() const {
    if (!shownPage_) return nullptr;
    const auto found = pageGrids_.find(shownPage_());
    return found != pageGrids_.end() && found->second->isShown() ? found->second : nullptr;
}

EditableGrid* EditCommands::gridNamed(CopyTarget copyTarget) const {
    for (const auto& [page, grid] : pageGrids_)
        if (grid->copyTarget() == copyTarget) return grid;
    for (EditableGrid* grid : analysisGrids_)
        if (grid->copyTarget() == copyTarget) return grid;
    return nullptr;
}

void EditCommands::warnNoDataVisible() { dialogs_.message(WarningMessage("No data visible")); }

void EditCommands::selectWhole(EditableGrid& grid) {
    grid.setSelection({0, grid.firstDataRow(), grid.lastColumn(), grid.lastDataRow()});
    state_.copyTarget = grid.copyTarget();
}

// Without a set (never loaded, or its file could no longer be opened) the
// old grids hold nothing that may be selected or copied.
bool EditCommands::refuseWithoutData() {
    if (state_.sourceKind != SourceKind::None) return false;
    dialogs_.message(ErrorMessage(kNoDataText));
    return true;
}

void EditCommands::SelectAllClick() {
    if (refuseWithoutData()) return;
    // A "More statistics" box the user last clicked in is what Select All means
    // there; otherwise the report grids keep their precedence.
    if (EditableGrid* more = gridNamed(state_.copyTarget);
        more && IsMoreStatisticsGrid(state_.copyTarget) && more->isShown())
        return selectWhole(*more);
    if (EditableGrid* analysis = shownAnalysisGrid()) return selectWhole(*analysis);
    EditableGrid* grid = shownPageGrid();
    if (!grid) return warnNoDataVisible();
    selectWhole(*grid);
}

void EditCommands::SelectcolumnClick() {
    if (refuseWithoutData()) return;
    EditableGrid* grid = shownPageGrid();
    if (!grid) return warnNoDataVisible();
    const GridRect current = grid->selection();
    grid->setSelection({current.left, grid->firstDataRow(), current.right, grid->lastDataRow()});
    state_.copyTarget = grid->copyTarget();
}

void EditCommands::DeselectAllClick() {
    if (refuseWithoutData()) return;
    if (EditableGrid* analysis = shownAnalysisGrid()) {
        analysis->setSelection(kNoCell);
    } else if (EditableGrid* grid = shownPageGrid()) {
        grid->setSelection(kNoCell);
    } else {
        warnNoDataVisible();
    }
    state_.copyTarget = CopyTarget::None;
}

void EditCommands::CopyClick() {
    if (refuseWithoutData()) return;
    const EditableGrid* grid = gridNamed(state_.copyTarget);
    // A named grid whose selection was cleared has nothing to copy either.
    if (!grid || grid->selection().empty()) {
        dialogs_.message(WarningMessage("No data selected"));
        return;
    }
    GridRect rect = grid->selection();
    if (IsAnalysisGrid(state_.copyTarget)) {
        rect.left = rect.right = 0;
        PutOnClipboard(ClipboardBytes(grid->cells(), rect));
        return;
    }
    busy_.start();
    PutOnClipboard(ClipboardBytes(grid->cells(), rect, busy_.progress()));
    busy_.finish();
    copied_.showForAWhile();
}

void EditCommands::gridClicked(const EditableGrid& grid) { state_.copyTarget = grid.copyTarget(); }

void EditCommands::joinPageGrid(MainPage page, TableViewGrid& grid) {
    setPageGrid(page, grid);
    grid.onClicked([this, &grid] { gridClicked(grid); });
    forgetOnFocusLoss(grid);
}

void EditCommands::joinAnalysisGrid(TableViewGrid& grid) {
    addAnalysisGrid(grid);
    grid.onClicked([this, &grid] { gridClicked(grid); });
    // Ctrl+A names the grid it was pressed in, as a click would.
    grid.onEditKeys([this] { CopyClick(); },
                    [this, &grid] {
                        gridClicked(grid);
                        SelectAllClick();
                    });
}

// A focus loss is no command of the user's: it clears only the grid that lost
// the focus, whichever page is shown by then, and never shows a message.
void EditCommands::forgetOnFocusLoss(TableViewGrid& grid) {
    grid.onFocusLost([this, &grid] {
        grid.setSelection(kNoCell);
        state_.copyTarget = CopyTarget::None;
    });
}

void EditCommands::clearAllSelections() {
    for (const auto& [page, grid] : pageGrids_) grid->setSelection(kNoCell);
    for (EditableGrid* grid : analysisGrids_) grid->setSelection(kNoCell);
    state_.copyTarget = CopyTarget::None;
}

}  // namespace zelkor
