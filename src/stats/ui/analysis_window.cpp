#include "stats/ui/analysis_window.hpp"

#include "widgets/string_grid_model.hpp"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace zelkor {
namespace {

QString Name(std::string_view name) { return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())); }

QString ColourStyle(const Rgb& colour) {
    return QString("QTableView { background-color: rgb(%1, %2, %3); gridline-color: black; }")
        .arg(colour.red)
        .arg(colour.green)
        .arg(colour.blue);
}

// A grid of `rows` one-line rows in the page's colour, `width` wide, with
// room for the sideways scroll bar: the window keeps its size, and a row
// longer than the grid scrolls sideways.
QTableView* RowsGrid(StringGridModel& model, int rows, int width, const PageLook& page, QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setModel(&model);
    grid->setFixedSize(width,
                       rows * 20 + 2 * grid->frameWidth() + grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid->setStyleSheet(ColourStyle(page.analysisGridColour));
    return grid;
}

}  // namespace

AnalysisWindow::AnalysisWindow(const PageLook& page, CopyTarget copyTarget, CopyTarget moreCopyTarget, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(Name(page.analysisClass));
    setWindowTitle(Name(page.analysisTitle));
    setFixedSize(370, 425);

    auto* fixedStatus = new QLabel("Filter Status:", this);
    status_ = new QLabel(kNoFilterText, this);
    status_->setObjectName(Name(page.statusLabel));
    status_->setStyleSheet("color: red;");

    model_ = new StringGridModel(1, false, this);
    model_->setRows(std::vector<std::vector<std::string>>(7, std::vector<std::string>{""}));
    grid_ = RowsGrid(*model_, 7, 332, page, this);
    grid_->setObjectName(Name(page.analysisGrid));
    editableGrid_ = new AnalysisGrid(*grid_, *model_, copyTarget, *this);

    rejection_ = new QLabel(this);
    rejection_->setObjectName(Name(page.rejectionLabel));
    rejection_->setStyleSheet("color: maroon;");
    rejection_->hide();

    close_ = new QPushButton("Close", this);
    close_->setObjectName(Name(page.closeButton));
    ok_button_ = new QPushButton("OK", this);
    ok_button_->setObjectName(Name(page.okButton));
    ok_button_->hide();
    cancel_button_ = new QPushButton("Cancel", this);
    cancel_button_->setObjectName(Name(page.cancelButton));
    cancel_button_->hide();
    connect(close_, &QPushButton::clicked, this, &AnalysisWindow::closeClick);
    connect(ok_button_, &QPushButton::clicked, this, &AnalysisWindow::okClick);
    connect(cancel_button_, &QPushButton::clicked, this, &AnalysisWindow::cancelClick);

    auto* top = new QHBoxLayout;
    top->addWidget(fixedStatus);
    top->addWidget(status_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_button_);
    buttons->addWidget(close_);
    buttons->addWidget(cancel_button_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 0, Qt::AlignHCenter);
    layout->addWidget(rejection_);
    layout->addWidget(buildMoreBox(page, moreCopyTarget));
    layout->addStretch();
    layout->addLayout(buttons);
}

AnalysisWindow::~AnalysisWindow() = default;

QWidget* AnalysisWindow::buildMoreBox(const PageLook& page, CopyTarget copyTarget) {
    const QString suffix(QChar(page.suffix));
    auto* box = new QGroupBox("More statistics", this);
    box->setObjectName("grboxMoreStat" + suffix);
    moreModel_ = new StringGridModel(1, false, this);
    moreModel_->setRows(std::vector<std::vector<std::string>>(6, std::vector<std::string>{""}));
    moreModel_->setRowToolTip(3, kFwhmMethodText);
    moreGrid_ = RowsGrid(*moreModel_, 6, 320, page, box);
    moreGrid_->setObjectName("gridMoreStat" + suffix);
    moreEditableGrid_ = new AnalysisGrid(*moreGrid_, *moreModel_, copyTarget, *this);
    moreNote_ = new QLabel(box);
    moreNote_->setObjectName("lblMoreStatNote" + suffix);
    moreNote_->setWordWrap(true);
    moreNote_->setStyleSheet("color: maroon;");
    moreNote_->hide();
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->addWidget(moreGrid_, 0, Qt::AlignHCenter);
    layout->addWidget(moreNote_);
    return box;
}

void AnalysisWindow::showMoreStatistics(const std::optional<MoreStatisticsRows>& rows, const std::string& note) {
    std::vector<std::vector<std::string>> cells(6, std::vector<std::string>{""});
    if (rows)
        for (std::size_t i = 0; i < rows->size(); ++i) cells[i][0] = (*rows)[i];
    moreModel_->setRows(std::move(cells));
    moreGrid_->resizeColumnToContents(0);
    moreGrid_->setColumnWidth(0, std::max(moreGrid_->columnWidth(0), moreGrid_->viewport()->width()));
    moreNote_->setText(QString::fromStdString(note));
    moreNote_->setVisible(!note.empty());
}

void AnalysisWindow::writeRows(const std::optional<ReportRows>& rows) {
    std::vector<std::vector<std::string>> cells(7, std::vector<std::string>{""});
    if (rows)
        for (std::size_t i = 0; i < rows->size(); ++i) cells[i][0] = (*rows)[i];
    model_->setRows(std::move(cells));
    grid_->resizeColumnToContents(0);
    grid_->setColumnWidth(0, std::max(grid_->columnWidth(0), grid_->viewport()->width()));
}

void AnalysisWindow::showReport(const ReportRows& rows, const std::optional<std::string>& rejectionLine) {
    writeRows(rows);
    status_->setText(kNoFilterText);
    rejection_->setText(rejectionLine ? QString::fromStdString(*rejectionLine) : QString());
    rejection_->setVisible(rejectionLine.has_value());
    ok_button_->hide();
    cancel_button_->hide();
    close_->show();
    showCentred();
}

void AnalysisWindow::showFilterOutcome(const std::optional<ReportRows>& rows, const std::string& rejectionLine,
                                       const std::string& status) {
    writeRows(rows);
    rejection_->setText(QString::fromStdString(rejectionLine));
    rejection_->show();
    status_->setText(QString::fromStdString(status));
    ok_button_->show();
    cancel_button_->show();
    close_->hide();
    showCentred();
}

void AnalysisWindow::showCentred() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
}

bool AnalysisWindow::outcomePending() const { return !ok_button_->isHidden(); }

void AnalysisWindow::closeClick() {
    closingByButton_ = true;
    close();
    closingByButton_ = false;
    if (dismissed_) dismissed_();
}

void AnalysisWindow::okClick() {
    if (ok_) ok_();
    closeClick();
}

void AnalysisWindow::cancelClick() {
    if (cancel_) cancel_();
    closeClick();
}

void AnalysisWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (closingByButton_) return;
    // The title bar's close button while a filter outcome waits for OK or
    // Cancel discards the run: an uncommitted band must not stay in the flags.
    if (outcomePending() && cancel_) cancel_();
    if (dismissed_) dismissed_();
}

}  // namespace zelkor
