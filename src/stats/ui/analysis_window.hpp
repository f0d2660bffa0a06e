#pragma once

#include "widgets/table_view_grid.hpp"
#include "stats/ui/page_look.hpp"
#include "stats/more_statistics_text.hpp"
#include "stats/report_text.hpp"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QPushButton;
class QTableView;

namespace zelkor {

class StringGridModel;

// TEnAnalys, TMomAnalys, TPosAnalys, TAngAnalys: the modeless window in which
// a page shows its seven report rows, and the outcome of a filter run with OK
// and Cancel; below them the "More statistics" box of the same ions. Created
// once, hidden, and reused.
class AnalysisWindow : public QWidget {
    Q_OBJECT
public:
    AnalysisWindow(const PageLook& page, CopyTarget copyTarget, CopyTarget moreCopyTarget, QWidget* parent);
    ~AnalysisWindow() override;

    // The report after "Basic Analysis" or a "No Filter" run: status "No
    // Filter" and only Close (rejectionLine shown when given).
    void showReport(const ReportRows& rows, const std::optional<std::string>& rejectionLine);
    // A filter outcome: the rows (none after "too low"), the rejection line,
    // the status "%g x sigma", OK and Cancel.
    void showFilterOutcome(const std::optional<ReportRows>& rows, const std::string& rejectionLine,
                           const std::string& status);

    // The box's six rows, or none with a note saying why (empty: no note).
    // Called before showReport or showFilterOutcome.
    void showMoreStatistics(const std::optional<MoreStatisticsRows>& rows, const std::string& note);

    // What OK and Cancel do belongs to the page.
    void onOk(std::function<void()> action) { ok_ = std::move(action); }
    void onCancel(std::function<void()> action) { cancel_ = std::move(action); }
    // Close, OK and Cancel all forget the copy source.
    void onDismissed(std::function<void()> action) { dismissed_ = std::move(action); }

    TableViewGrid& editableGrid() { return *editableGrid_; }
    QTableView& grid() { return *grid_; }
    TableViewGrid& moreEditableGrid() { return *moreEditableGrid_; }
    bool outcomePending() const;

public slots:
    void closeClick();
    void okClick();
    void cancelClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void writeRows(const std::optional<ReportRows>& rows);
    void showCentred();
    QWidget* buildMoreBox(const PageLook& page, CopyTarget copyTarget);

    QTableView* grid_;
    StringGridModel* model_;
    TableViewGrid* editableGrid_;
    QTableView* moreGrid_;
    StringGridModel* moreModel_;
    TableViewGrid* moreEditableGrid_;
    QLabel* moreNote_;
    QLabel* status_;
    QLabel* rejection_;
    QPushButton* close_;
    QPushButton* ok_button_;
    QPushButton* cancel_button_;
    std::function<void()> ok_;
    std::function<void()> cancel_;
    std::function<void()> dismissed_;
    bool closingByButton_ = false;
};

// The grid of an analysis window counts as shown while its window is.
class AnalysisGrid : public TableViewGrid {
public:
    AnalysisGrid(QTableView& view, const CellTextSource& cells, CopyTarget copyTarget, const QWidget& window)
        : TableViewGrid(view, cells, copyTarget, false), window_(window) {}
    bool isShown() const override { return window_.isVisible(); }

private:
    const QWidget& window_;
};

}  // namespace zelkor
