#include "app/edit_commands.hpp"

#include "app/busy_panel.hpp"
#include "app/clipboard_text.hpp"
#include "app/transient_panel.hpp"
#include "app/user_dialogs.hpp"
#include "data/app_state.hpp"

#include <QClipboard>
#include <QGuiApplication>

namespace zelkor {
namespace {

// The analysis grids are one column wide; Copy reads only that column.
bool IsAnalysisTarget(int copyTarget) { return copyTarget >= 6 && copyTarget <= 9; }

void PutOnClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace

EditCommands::EditCommands(AppState& state, UserDialogs& dialogs, BusyPanel& busy, TransientPanel& copied)
    : state_(state), dialogs_(dialogs), busy_(busy), copied_(copied) {}

void EditCommands::setPageGrid(int page, EditableGrid& grid) { pageGrids_[page] = &grid; }

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

EditableGrid* EditCommands::gridNamed(int copyTarget) const {
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

void EditCommands::SelectAllClick() {
    if (EditableGrid* analysis = shownAnalysisGrid()) return selectWhole(*analysis);
    EditableGrid* grid = shownPageGrid();
    if (!grid) return warnNoDataVisible();
    selectWhole(*grid);
}

void EditCommands::SelectcolumnClick() {
    EditableGrid* grid = shownPageGrid();
    if (!grid) return warnNoDataVisible();
    const GridRect current = grid->selection();
    grid->setSelection({current.left, grid->firstDataRow(), current.right, grid->lastDataRow()});
    state_.copyTarget = grid->copyTarget();
}

void EditCommands::DeselectAllClick() {
    if (EditableGrid* analysis = shownAnalysisGrid()) {
        analysis->setSelection(kNoCell);
    } else if (EditableGrid* grid = shownPageGrid()) {
        grid->setSelection(kNoCell);
    } else {
        warnNoDataVisible();
    }
    state_.copyTarget = 0;
}

void EditCommands::CopyClick() {
    const EditableGrid* grid = gridNamed(state_.copyTarget);
    // A named grid whose selection was cleared has nothing to copy either.
    if (!grid || grid->selection().empty()) {
        dialogs_.message(WarningMessage("No data selected"));
        return;
    }
    GridRect rect = grid->selection();
    if (IsAnalysisTarget(state_.copyTarget)) {
        rect.left = rect.right = 0;
        PutOnClipboard(BuildClipboardText(grid->cells(), rect));
        return;
    }
    busy_.start();
    const std::string text = BuildClipboardText(grid->cells(), rect, busy_.progress());
    PutOnClipboard(text);
    busy_.finish();
    copied_.showForAWhile();
}

void EditCommands::gridClicked(const EditableGrid& grid) { state_.copyTarget = grid.copyTarget(); }

void EditCommands::clearAllSelections() {
    for (const auto& [page, grid] : pageGrids_) grid->setSelection(kNoCell);
    for (EditableGrid* grid : analysisGrids_) grid->setSelection(kNoCell);
    state_.copyTarget = 0;
}

} // namespace zelkor
