#include "particles/ui/unit_rows_window.hpp"

#include "particles/ui/data_page.hpp"
#include "state/app_state.hpp"
#include "widgets/busy_panel.hpp"
#include "widgets/page_host.hpp"
#include "widgets/user_dialogs.hpp"
#include "widgets/window_links.hpp"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace zelkor {

UnitRowsWindow::UnitRowsWindow(const WindowServices& services, DataPage& page,
                               const UnitRowsWindowDescription& description, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      services_(services),
      page_(page),
      description_(description),
      timer_(new QTimer(this)) {
    setObjectName(description.objectName);
    setWindowTitle(QString::fromUtf8(description.caption));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    for (std::size_t row = 0; row < description.rows.size(); ++row) {
        auto* panel = new QWidget(this);
        panel->setObjectName(description.rows[row].panel);
        buildRow(row, panel);
        layout->addWidget(panel);
    }
    // The units stand in columns only if every row's check box is as wide
    // as the widest ("(Y^2 + Z^2)^1/2").
    int widest = 130;
    for (const QCheckBox* box : boxes_) widest = std::max(widest, box->sizeHint().width());
    for (QCheckBox* box : boxes_) box->setMinimumWidth(widest);
    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, const char*> captions[] = {{description.selectAll, "Select All"},
                                                            {description.deselectAll, "Deselect All"},
                                                            {description.calculation, "Calculation"},
                                                            {description.cancel, "Cancel"}};
    std::vector<QPushButton*> made;
    for (const auto& [name, caption] : captions) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        buttons->addWidget(button);
        made.push_back(button);
    }
    made[2]->setDefault(true);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    connect(made[0], &QPushButton::clicked, this, &UnitRowsWindow::selectAllClick);
    connect(made[1], &QPushButton::clicked, this, &UnitRowsWindow::deselectAllClick);
    connect(made[2], &QPushButton::clicked, this, &UnitRowsWindow::calculationClick);
    connect(made[3], &QPushButton::clicked, this, &QDialog::reject);

    timer_->setObjectName(description.timer);
    timer_->setInterval(100);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &UnitRowsWindow::timerFired);
}

void UnitRowsWindow::buildRow(std::size_t index, QWidget* panel) {
    const UnitRow& row = description_.rows[index];
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(4, 2, 4, 2);
    auto* box = new QCheckBox(QString::fromUtf8(row.caption), panel);
    box->setObjectName(row.checkBox);
    layout->addWidget(box);
    boxes_[index] = box;
    for (std::size_t code = 0; code < row.units.size(); ++code) {
        auto* unit = new QRadioButton(QString::fromUtf8(row.units[code].caption), panel);
        unit->setObjectName(row.units[code].name);
        unit->setEnabled(false);
        unit->setChecked(static_cast<int>(code) == services_.state.unitOf(row.quantity));
        unit->setMinimumWidth(56);
        layout->addWidget(unit);
        units_[index].push_back(unit);
        connect(unit, &QRadioButton::clicked, this,
                [this, quantity = row.quantity, code = static_cast<int>(code)] { unitClick(quantity, code); });
    }
    layout->addStretch();
    // The unit stays selected while its row is unticked.
    connect(box, &QCheckBox::toggled, this, [this, index](bool ticked) {
        for (QRadioButton* unit : units_[index]) unit->setEnabled(ticked);
    });
}

void UnitRowsWindow::unitClick(QuantityId quantity, int code) {
    services_.state.unitOf(quantity) = code;
    services_.host.links().listeners.unitsChanged();
}

RowTicks UnitRowsWindow::ticks() const {
    RowTicks ticks{};
    for (std::size_t row = 0; row < boxes_.size(); ++row) ticks[row] = boxes_[row]->isChecked();
    return ticks;
}

void UnitRowsWindow::resetForLoad() { reject(); }

void UnitRowsWindow::switchAngleChoices(bool enabled) {
    for (std::size_t row = 0; row < 3; ++row) boxes_[row]->setEnabled(enabled);
}

void UnitRowsWindow::tickSelectable(bool ticked) {
    const bool slopesOnly = description_.slopesOnlyForPointFiles && services_.state.sourceKind == SourceKind::WinAgile;
    for (std::size_t row = slopesOnly ? 3 : 0; row < boxes_.size(); ++row) boxes_[row]->setChecked(ticked);
}

void UnitRowsWindow::selectAllClick() { tickSelectable(true); }

void UnitRowsWindow::deselectAllClick() { tickSelectable(false); }

void UnitRowsWindow::calculationClick() {
    if (const auto refusal = CheckRowsTicked(ticks())) return services_.dialogs.message(*refusal);
    accept();
    page_.hideViews();
    services_.busy.start();
    timer_->start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void UnitRowsWindow::timerFired() {
    timer_->stop();
    // The page's interval caption names the unit the table is made in.
    services_.host.links().listeners.unitsChanged();
    auto table = std::make_shared<QuantityTable>(description_.makeTable(services_.set, services_.state, ticks()));
    // Cells are written when shown, so the table is complete at once.
    services_.busy.progress().advance(100);
    page_.showTable(std::move(table));
    services_.busy.finish();
}

}  // namespace zelkor
