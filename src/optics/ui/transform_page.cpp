#include "optics/ui/transform_page.hpp"

#include "data/particle_set.hpp"
#include "io/file_commands.hpp"
#include "optics/transfer_matrix.hpp"
#include "optics/transformed_file.hpp"
#include "optics/ui/transform_model.hpp"
#include "state/app_state.hpp"
#include "widgets/ion_grid_view.hpp"
#include "widgets/busy_panel.hpp"
#include "widgets/file_dialog_setups.hpp"
#include "widgets/page_host.hpp"
#include "widgets/table_view_grid.hpp"
#include "widgets/user_dialogs.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace zelkor {
namespace {

// "< hh11 >  [ 1 ]": columns 1 and 3 of a position row and 2 and 4 of a slope
// row are plain numbers; a position from a slope is in m, a slope from a position in 1/m.
QString LabelOf(std::size_t k) {
    const bool slopeRow = (k / 4) % 2 == 1;
    const bool slopeColumn = k % 2 == 1;
    const char* unit = slopeRow == slopeColumn ? "1" : (slopeColumn ? "m" : "1/m");
    return QString("< %1 >  [ %2 ]").arg(kTransferElementNames[k], unit);
}

QString EditName(std::size_t k) { return "edit" + QString::fromLatin1(kTransferElementNames[k]).toUpper(); }

constexpr int kColumnWidth = 110;
const QString kWidestCell = QStringLiteral("-8.8888888888E-88");

}  // namespace

TransformPage::TransformPage(const WindowServices& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      matrixBox_(new QGroupBox("Transform", this)),
      grid_(new QTableView(this)),
      model_(new TransformModel(this)) {
    setObjectName("TransformPage");
    grid_->setObjectName("strgTransform");
    grid_->setModel(model_);
    // The columns are 110 pixels wide: a smaller type where the window's own
    // would clip a negative number with ten decimals.
    QFont font = grid_->font();
    while (QFontMetrics(font).horizontalAdvance(kWidestCell) + 12 > kColumnWidth && font.pointSizeF() > 6.5)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    grid_->setFont(font);
    SetUpIonGridView(*grid_);
    editableGrid_ = new TableViewGrid(*grid_, *model_, CopyTarget::Transform, true);
    buildLayout();
    resetForLoad();
}

TransformPage::~TransformPage() = default;

void TransformPage::buildLayout() {
    matrixBox_->setObjectName("grboxTransMatrix");
    auto* fields = new QGridLayout(matrixBox_);
    fields->setHorizontalSpacing(12);
    fields->setVerticalSpacing(2);
    for (std::size_t k = 0; k < edits_.size(); ++k) {
        const int row = static_cast<int>(k / 4), column = static_cast<int>(k % 4);
        auto* edit = new QLineEdit(matrixBox_);
        edit->setObjectName(EditName(k));
        auto* label = new QLabel(LabelOf(k), matrixBox_);
        label->setBuddy(edit);
        fields->addWidget(label, row * 2, column);
        fields->addWidget(edit, row * 2 + 1, column);
        if (row < 3) fields->setRowMinimumHeight(row * 2 + 1, edit->sizeHint().height() + 8);
        edits_[k] = edit;
    }

    auto* show = new QPushButton("Transform Matrix", this);
    show->setObjectName("btnTransMatrix");
    auto* calculate = new QPushButton("Calculate", this);
    calculate->setObjectName("btnCalcTrans");
    connect(show, &QPushButton::clicked, this, &TransformPage::btnTransMatrixClick);
    connect(calculate, &QPushButton::clicked, this, &TransformPage::btnCalcTransClick);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    for (QPushButton* button : {show, calculate}) {
        button->setMinimumWidth(140);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto* box = new QVBoxLayout;
    box->addWidget(matrixBox_);
    box->addStretch();
    // The box and the grid share one place; only one of them is shown.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(grid_, 0, 0);
    layout->addLayout(box, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->setColumnStretch(0, 1);
}

void TransformPage::resetForLoad() {
    const auto identity = IdentityMatrixTexts();
    for (std::size_t k = 0; k < edits_.size(); ++k) edits_[k]->setText(QString::fromStdString(identity[k]));
    matrixBox_->hide();
    grid_->hide();
    model_->clear();
}

bool TransformPage::refuseWithoutData() {
    if (services_.state.sourceKind != SourceKind::None) return false;
    services_.dialogs.message(ErrorMessage(kNoDataText));
    return true;
}

void TransformPage::btnTransMatrixClick() {
    if (refuseWithoutData()) return;
    grid_->hide();
    matrixBox_->show();
}

void TransformPage::btnCalcTransClick() {
    if (refuseWithoutData()) return;
    std::array<std::string, 16> texts;
    for (std::size_t k = 0; k < edits_.size(); ++k) texts[k] = edits_[k]->text().toStdString();
    AppState& state = services_.state;
    if (const auto refusal = ReadTransferMatrix(texts, state.transferMatrix))
        return services_.dialogs.message(*refusal);

    services_.host.Uklid();
    matrixBox_->hide();
    grid_->hide();
    services_.busy.start();
    // The cells are formatted as they come into view: listing costs nothing per ion.
    model_->list(services_.set, state.sourceKind, state.transferMatrix);
    grid_->setColumnWidth(0, 68);
    const int width = std::max(kColumnWidth, grid_->fontMetrics().horizontalAdvance(kWidestCell) + 12);
    for (int column = 1; column < model_->columnCount(); ++column) grid_->setColumnWidth(column, width);
    services_.busy.progress().advance(100);
    services_.busy.finish();
    grid_->show();
    grid_->scrollToTop();
}

void TransformPage::SaveTransformedFileClick() {
    if (refuseWithoutData()) return;
    const SaveDialogSetup kindSetup = SaveFilteredDialog(services_.state.sourceKind);
    const auto path = services_.dialogs.saveFile(SaveDialog(kindSetup.defaultExtension, kindSetup.filter));
    if (!path) return;
    services_.busy.start();
    const auto failure = SaveTransformedFile(*path, services_.set, services_.state, services_.busy.progress());
    services_.busy.finish();
    if (failure) services_.dialogs.message(*failure);
}

}  // namespace zelkor
