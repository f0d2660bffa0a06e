#pragma once

#include "widgets/editable_grid.hpp"
#include "widgets/main_page.hpp"

#include <functional>
#include <map>
#include <vector>

namespace zelkor {

struct AppState;
class BusyPanel;
class TableViewGrid;
class TransientPanel;
class UserDialogs;

// Edit > Select All, Select Columns, Deselect All and Copy over the grids that
// registered here: one per page of the main window, and the analysis windows'
// grids, which take precedence while their window is shown.
class EditCommands {
public:
    EditCommands(AppState& state, UserDialogs& dialogs, BusyPanel& busy, TransientPanel& copied);

    // The page of the main window that is shown.
    void setShownPage(std::function<MainPage()> shownPage) { shownPage_ = std::move(shownPage); }
    void setPageGrid(MainPage page, EditableGrid& grid);
    // Analysis grids in the order of their precedence: energy, momentum, position, angle.
    void addAnalysisGrid(EditableGrid& grid);

    void SelectAllClick();
    void SelectcolumnClick();
    void DeselectAllClick();
    void CopyClick();

    // A click in a grid names it for Copy.
    void gridClicked(const EditableGrid& grid);
    // A page's grid or an analysis grid with its clicks wired: a click (on a
    // cell or a header) names it for Copy; a focus loss clears its own selection.
    void joinPageGrid(MainPage page, TableViewGrid& grid);
    void joinAnalysisGrid(TableViewGrid& grid);
    // Every registered grid's selection to no cell, and no copy target (part of Uklid).
    void clearAllSelections();

private:
    EditableGrid* shownAnalysisGrid() const;
    EditableGrid* shownPageGrid() const;
    EditableGrid* gridNamed(CopyTarget copyTarget) const;
    void selectWhole(EditableGrid& grid);
    void warnNoDataVisible();
    bool refuseWithoutData();
    void forgetOnFocusLoss(TableViewGrid& grid);

    AppState& state_;
    UserDialogs& dialogs_;
    BusyPanel& busy_;
    TransientPanel& copied_;
    std::function<MainPage()> shownPage_;
    std::map<MainPage, EditableGrid*> pageGrids_;
    std::vector<EditableGrid*> analysisGrids_;
};

}  // namespace zelkor
