#include "particles/ui/data_page.hpp"

#include "widgets/busy_panel.hpp"
#include "data/srim_format.hpp"
#include "tables/data_grid_columns.hpp"
#include "particles/ui/data_grid_model.hpp"
#include "particles/ui/unit_rows_window.hpp"
#include "widgets/ion_grid_view.hpp"
#include "widgets/pictures.hpp"
#include "widgets/table_view_grid.hpp"
#include "widgets/user_dialogs.hpp"
#include "widgets/page_host.hpp"
#include "widgets/window_links.hpp"
#include "widgets/window_openers.hpp"
#include "state/app_state.hpp"
#include "data/particle_set.hpp"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace zelkor {
namespace {

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QFont FixedPitchFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({"Lucida Console", font.family()});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(font.pointSizeF() * 0.9);
    return font;
}

}  // namespace

DataPage::DataPage(const WindowServices& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      grid_(new QTableView(this)),
      model_(new DataGridModel(this)),
      header_(new QPlainTextEdit(this)),
      picture_(new QLabel(this)),
      count_(new QLabel(this)) {
    setObjectName("DataPage");
    grid_->setObjectName("strgDataProc");
    // A little smaller than the window's text, so that the eight columns fit beside the buttons.
    QFont gridFont = grid_->font();
    gridFont.setPointSizeF(gridFont.pointSizeF() * 0.85);
    grid_->setFont(gridFont);
    grid_->setModel(model_);
    SetUpIonGridView(*grid_);
    editableGrid_ = new TableViewGrid(*grid_, *model_, CopyTarget::DataProc, true);

    header_->setObjectName("memHeader");
    header_->setReadOnly(true);
    header_->setLineWrapMode(QPlainTextEdit::NoWrap);
    header_->setFont(FixedPitchFont());
    header_->hide();

    picture_->setObjectName("imgCoordSys");
    picture_->setPixmap(CoordinateSystemPicture());
    picture_->setFixedSize(548, 458);
    picture_->hide();

    buildLayout();
    QWidget& top = services.host.topWindow();
    positions_ = new UnitRowsWindow(services, *this, PositionsWindowDescription(), &top);
    angles_ = new UnitRowsWindow(services, *this, AnglesWindowDescription(), &top);
}

DataPage::~DataPage() = default;

void DataPage::buildLayout() {
    auto* preview = Button(this, "btnPreview", "Preview");
    auto* header = Button(this, "btnHeader", "Header");
    auto* relativistic = Button(this, "btnRelPar", "Relativistic Parameters");
    auto* position = Button(this, "btnPosition", "Position");
    auto* angles = Button(this, "btnAngles", "Angles");
    auto* coordinates = Button(this, "btnCoorSys", "View co-ordinate system");
    connect(preview, &QPushButton::clicked, this, &DataPage::btnPreviewClick);
    connect(header, &QPushButton::clicked, this, &DataPage::btnHeaderClick);
    connect(relativistic, &QPushButton::clicked, this, &DataPage::btnRelParClick);
    connect(position, &QPushButton::clicked, this, &DataPage::btnPositionClick);
    connect(angles, &QPushButton::clicked, this, &DataPage::btnAnglesClick);
    connect(coordinates, &QPushButton::clicked, this, &DataPage::btnCoorSysClick);

    auto* countBox = new QGroupBox("Number of Particles", this);
    countBox->setObjectName("grboxNbofPart");
    count_->setObjectName("labelNbOfPart");
    count_->setAlignment(Qt::AlignCenter);
    QFont bold = count_->font();
    bold.setBold(true);
    count_->setFont(bold);
    auto* countLayout = new QVBoxLayout(countBox);
    countLayout->addWidget(count_);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    for (QWidget* widget :
         {static_cast<QWidget*>(preview), static_cast<QWidget*>(header), static_cast<QWidget*>(relativistic),
          static_cast<QWidget*>(position), static_cast<QWidget*>(angles), static_cast<QWidget*>(coordinates)})
        buttons->addWidget(widget);
    buttons->addSpacing(16);
    buttons->addWidget(countBox);
    buttons->addStretch();

    // The three views share one place; only one of them is shown at a time.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setHorizontalSpacing(6);
    layout->addWidget(grid_, 0, 0);
    layout->addWidget(header_, 0, 0);
    layout->addWidget(picture_, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addLayout(buttons, 0, 1);
    layout->setColumnStretch(0, 1);
    for (QPushButton* button : findChildren<QPushButton*>()) button->setMinimumWidth(140);
}

void DataPage::hideViews() {
    grid_->hide();
    header_->hide();
    picture_->hide();
}

void DataPage::resetForLoad() {
    hideViews();
    model_->clear();
    count_->clear();
}

void DataPage::loaded(SourceKind) { count_->setText(QString::number(services_.set.count)); }

bool DataPage::refuseWithoutData() {
    if (services_.state.sourceKind != SourceKind::None) return false;
    services_.dialogs.message(ErrorMessage(kNoDataText));
    return true;
}

void DataPage::btnPreviewClick() {
    if (refuseWithoutData()) return;
    services_.host.Uklid();
    hideViews();
    services_.busy.start();
    showTable(std::make_shared<PreviewTable>(services_.set, services_.state.sourceKind));
    services_.busy.finish();
}

void DataPage::showTable(std::shared_ptr<const IonGridTable> table) {
    services_.host.Uklid();
    hideViews();
    model_->show(std::move(table));
    services_.state.lastDataColumn = model_->columnCount() - 1;
    fitColumns();
    grid_->show();
}

// Wide enough for the title and the widest text the column's format gives
// for the loaded set, so that every column fits at the window's start size.
void DataPage::fitColumns() {
    const QFontMetrics cells = grid_->fontMetrics();
    const QFontMetrics titles = grid_->horizontalHeader()->fontMetrics();
    const IonGridTable* table = model_->table();
    if (!table) return;
    for (int column = 0; column < table->columns(); ++column) {
        const QString widest = QString::fromStdString(table->widestCell(column));
        const QString title = model_->headerData(column, Qt::Horizontal).toString();
        grid_->setColumnWidth(column,
                              std::max(titles.horizontalAdvance(title) + 6, cells.horizontalAdvance(widest) + 8));
    }
}

void DataPage::btnHeaderClick() {
    if (refuseWithoutData()) return;
    const AppState& state = services_.state;
    if (state.sourceKind == SourceKind::WinAgile) {
        services_.dialogs.message(WarningMessage(kOnlyTransmitText));
        return;
    }
    // Up to the line the reader kept, of the bytes that were loaded: the file is never opened again.
    const auto lineCount = static_cast<std::size_t>(
        state.sourceKind == SourceKind::TransmitTxt ? transmit_txt::kKeptLine : trim_dat::kKeptLine);
    hideViews();
    services_.busy.start();
    header_->clear();
    for (std::size_t k = 0; k < std::min(lineCount, state.firstLines.size()); ++k) {
        const std::string& line = state.firstLines[k];
        // Header lines come in a Windows code page; Latin-1 keeps every byte visible.
        header_->appendPlainText(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
        services_.busy.progress().advance(10);
    }
    services_.busy.finish();
    header_->moveCursor(QTextCursor::Start);
    header_->show();
}

void DataPage::btnRelParClick() {
    if (refuseWithoutData()) return;
    if (services_.state.sourceKind == SourceKind::WinAgile) {
        services_.dialogs.message(WarningMessage(kOnlyTransmitText));
        return;
    }
    if (WindowOpeners* openers = services_.host.links().openers) openers->openRelativisticWindow();
}

void DataPage::btnPositionClick() {
    if (refuseWithoutData()) return;
    positions_->exec();
}

void DataPage::btnAnglesClick() {
    if (refuseWithoutData()) return;
    angles_->exec();
}

void DataPage::btnCoorSysClick() {
    grid_->hide();
    header_->hide();
    picture_->show();
}

}  // namespace zelkor
