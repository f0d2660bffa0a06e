#include "runs/ui/compare_runs_window.hpp"

#include "runs/run_table.hpp"
#include "runs/ui/run_reader.hpp"
#include "widgets/clipboard_text.hpp"
#include "widgets/qt_paths.hpp"
#include "widgets/string_grid_model.hpp"
#include "widgets/table_view_grid.hpp"
#include "widgets/user_dialogs.hpp"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zelkor {
namespace {

constexpr const char* kHintText = "Add SRIM files (TRANSMIT.TXT, TRIM.DAT, .pnt) or drop them here.";

// The summary table's column names with their units, as "energy_mean [eV]".
std::vector<std::string> ColumnTitles() {
    std::vector<std::string> titles;
    for (const RunColumn& column : RunSummaryColumns()) {
        std::string title(column.name);
        if (!column.unit.empty()) title += " [" + std::string(column.unit) + "]";
        titles.push_back(std::move(title));
    }
    return titles;
}

// The program's dialogs belong to the main window and bring it to the front;
// this window comes back in front of it when the dialog closes.
class FrontAgainAfterDialogs {
public:
    explicit FrontAgainAfterDialogs(QWidget& window) : window_(window) {}
    ~FrontAgainAfterDialogs() {
        window_.raise();
        window_.activateWindow();
    }
    FrontAgainAfterDialogs(const FrontAgainAfterDialogs&) = delete;
    FrontAgainAfterDialogs& operator=(const FrontAgainAfterDialogs&) = delete;

private:
    QWidget& window_;
};

}  // namespace

CompareRunsWindow::CompareRunsWindow(UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), reader_(std::make_unique<RunReader>()) {
    setObjectName("CompareRunsWindow");
    setWindowTitle("Compare Runs");
    setAcceptDrops(true);
    resize(900, 360);

    std::vector<std::string> titles = ColumnTitles();
    model_ = new StringGridModel(static_cast<int>(titles.size()), true, this);
    model_->setTitles(std::move(titles));
    view_ = new QTableView(this);
    view_->setObjectName("gridRuns");
    view_->setModel(model_);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(20);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    view_->setWordWrap(false);
    view_->resizeColumnsToContents();
    // The window copies by itself: the main window's Edit menu never names this grid.
    grid_ = new TableViewGrid(*view_, *model_, CopyTarget::None, true);
    grid_->onEditKeys([this] { copyClick(); }, [this] { selectAllClick(); });

    status_ = new QLabel(kHintText, this);
    status_->setObjectName("lblRunsStatus");
    auto* add = new QPushButton("Add Files...", this);
    add->setObjectName("btnAddRuns");
    auto* save = new QPushButton("Save as CSV...", this);
    save->setObjectName("btnSaveRunsCsv");
    auto* close = new QPushButton("Close", this);
    close->setObjectName("btnCloseRuns");
    connect(add, &QPushButton::clicked, this, &CompareRunsWindow::addClick);
    connect(save, &QPushButton::clicked, this, &CompareRunsWindow::saveCsvClick);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(reader_.get(), &RunReader::rowReady, this, &CompareRunsWindow::rowArrived);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(save);
    buttons->addWidget(status_, 1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(buildMenuBar());
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
}

// The reader goes first, while the window can still take rows: it waits for
// the file being read and drops the rest.
CompareRunsWindow::~CompareRunsWindow() { reader_.reset(); }

QWidget* CompareRunsWindow::buildMenuBar() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName("menuRuns");
    QMenu* file = bar->addMenu("&File");
    file->addAction("Add Files...", this, &CompareRunsWindow::addClick)->setObjectName("actAddRuns");
    file->addAction("Save as CSV...", this, &CompareRunsWindow::saveCsvClick)->setObjectName("actSaveRunsCsv");
    file->addSeparator();
    file->addAction("Close", this, &QWidget::close)->setObjectName("actCloseRuns");
    // The keys belong to the grid's shortcuts; the menu names them.
    QMenu* edit = bar->addMenu("Edit");
    edit->addAction("Copy\tCtrl+C", this, &CompareRunsWindow::copyClick)->setObjectName("actCopyRuns");
    edit->addAction("Select All\tCtrl+A", this, &CompareRunsWindow::selectAllClick)->setObjectName("actSelectAllRuns");
    return bar;
}

int CompareRunsWindow::pending() const { return reader_->pending(); }

void CompareRunsWindow::addFiles(const std::vector<std::filesystem::path>& paths) {
    std::vector<RunRequest> requests;
    for (const std::filesystem::path& path : paths) requests.push_back({path, std::nullopt});
    reader_->read(std::move(requests));
    showStatus();
}

void CompareRunsWindow::addClick() {
    std::optional<std::filesystem::path> path;
    {
        const FrontAgainAfterDialogs front(*this);
        path = dialogs_.openFile(
            {"Add File", "SRIM Files|*.txt *.dat *.pnt|Text File|*.txt|TRIM.DAT|*.dat|WinAGILE Point File|*.pnt", "",
             true, false});
    }
    if (path) addFiles({*path});
}

void CompareRunsWindow::open() {
    if (!placed_ && parentWidget()) {
        move(parentWidget()->window()->geometry().center() - rect().center());
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void CompareRunsWindow::rowArrived(const RunSummary& row) {
    const int at = static_cast<int>(summaries_.size());
    summaries_.push_back(row);
    // A file that could not be read says why in every cell of its row, not
    // only in the last column.
    if (!row.ok()) {
        model_->setRowColour(at, QColor(128, 0, 0));
        model_->setRowToolTip(at, row.failure->text);
    }
    std::vector<std::string> texts;
    for (const RunCell& cell : RunSummaryCells(row)) texts.push_back(RunCellText(cell));
    model_->appendRow(std::move(texts));
    view_->resizeColumnsToContents();
    showStatus();
}

void CompareRunsWindow::showStatus() {
    const int waiting = reader_->pending();
    status_->setText(waiting == 0 ? QString(kHintText) : QString("Reading %1 file(s)...").arg(waiting));
}

void CompareRunsWindow::saveCsvClick() {
    const FrontAgainAfterDialogs front(*this);
    if (summaries_.empty()) {
        dialogs_.message(WarningMessage("No data visible"));
        return;
    }
    const auto path = dialogs_.saveFile({"Save", "CSV File|*.csv", ".csv", false, true});
    if (!path) return;
    if (const auto failure = SaveRunSummaryCsv(*path, summaries_)) dialogs_.message(*failure);
}

// The column names go above the rows copied, for a spreadsheet to take them.
void CompareRunsWindow::copyClick() {
    const FrontAgainAfterDialogs front(*this);
    GridRect rect = grid_->selection();
    if (rect.empty()) {
        dialogs_.message(WarningMessage("No data selected"));
        return;
    }
    const std::string text =
        BuildClipboardText(*model_, {rect.left, 0, rect.right, 0}) + BuildClipboardText(*model_, rect);
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void CompareRunsWindow::selectAllClick() {
    grid_->setSelection({0, grid_->firstDataRow(), grid_->lastColumn(), grid_->lastDataRow()});
}

void CompareRunsWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

bool CompareRunsWindow::addDropped(const QMimeData& mime) {
    std::vector<std::filesystem::path> paths;
    for (const QUrl& url : mime.urls())
        if (url.isLocalFile()) paths.push_back(PathFromQString(url.toLocalFile()));
    if (paths.empty()) return false;
    addFiles(paths);
    return true;
}

void CompareRunsWindow::dropEvent(QDropEvent* event) {
    if (addDropped(*event->mimeData())) event->acceptProposedAction();
}

}  // namespace zelkor
