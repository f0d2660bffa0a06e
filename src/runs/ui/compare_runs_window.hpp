#pragma once

#include "runs/run_summary.hpp"

#include <QWidget>

#include <filesystem>
#include <memory>
#include <vector>

class QLabel;
class QMimeData;
class QTableView;

namespace zelkor {

class RunReader;
class StringGridModel;
class TableViewGrid;
class UserDialogs;

// File > Compare Runs...: the files the user adds (by the dialog or dropped on
// the window) are summarised in the background, one row each as it is ready,
// without touching the loaded set. The table copies (Edit menu, Ctrl+C) and
// saves as CSV. Closing only hides the window: files still being read go on
// and their rows are there when it opens again.
class CompareRunsWindow : public QWidget {
    Q_OBJECT
public:
    CompareRunsWindow(UserDialogs& dialogs, QWidget* parent);
    ~CompareRunsWindow() override;

    // Shown and raised; centred on the main window the first time.
    void open();
    void addFiles(const std::vector<std::filesystem::path>& paths);
    // What a drop brings: its local files are added; false when it has none.
    bool addDropped(const QMimeData& mime);
    void addClick();
    void saveCsvClick();
    void copyClick();
    void selectAllClick();

    StringGridModel& model() { return *model_; }
    TableViewGrid& grid() { return *grid_; }
    int pending() const;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void rowArrived(const RunSummary& row);
    void showStatus();
    QWidget* buildMenuBar();

    UserDialogs& dialogs_;
    std::vector<RunSummary> summaries_;  // the rows shown, for the CSV file
    StringGridModel* model_;
    QTableView* view_;
    TableViewGrid* grid_;
    QLabel* status_;
    std::unique_ptr<RunReader> reader_;
    bool placed_ = false;
};

}  // namespace zelkor
