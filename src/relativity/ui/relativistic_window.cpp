#include "relativity/ui/relativistic_window.hpp"

#include "relativity/element_entry.hpp"
#include "relativity/relativistic_grid_table.hpp"
#include "relativity/relativistic_inputs.hpp"
#include "relativity/ui/element_table_window.hpp"
#include "state/app_state.hpp"
#include "widgets/busy_panel.hpp"
#include "widgets/copy_shortcut_hand_over.hpp"
#include "widgets/page_host.hpp"
#include "widgets/user_dialogs.hpp"
#include "widgets/data_table_view.hpp"
#include "widgets/window_links.hpp"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>
#include <variant>

namespace zelkor {
namespace {

struct UnitRowNames {
    const char* label;
    QuantityId quantity;
    std::array<const char*, 4> names;
};

constexpr std::array<UnitRowNames, 4> kUnitRows{{
    {"Kinetic energy", QuantityId::KinEnerg, {"rbtnKEeV", "rbtnKEkeV", "rbtnKEMeV", "rbtnKEGeV"}},
    {"Energy/A", QuantityId::EnergA, {"rbtnEAeV", "rbtnEAkeV", "rbtnEAMeV", "rbtnEAGeV"}},
    {"Energy/amu", QuantityId::Energamu, {"rbtnEamueV", "rbtnEamukeV", "rbtnEamuMeV", "rbtnEamuGeV"}},
    {"Momentum", QuantityId::Mom, {"rbtnMomeV", "rbtnMomkeV", "rbtnMomMeV", "rbtnMomGeV"}},
}};
constexpr std::array<const char*, 4> kEnergyCaptions{"[eV]", "[keV]", "[Mev]", "[GeV]"};
constexpr std::array<const char*, 4> kMomentumCaptions{"[eV/c]", "[keV/c]", "[Mev/c]", " [GeV/c]"};

constexpr std::array<std::pair<const char*, const char*>, 7> kChecks{{
    {"chckboxGama", " gamma"},
    {"chckboxBeta", " beta"},
    {"chckboxBeGa", " beta.gamma"},
    {"chckboxRelM", " Relativistic mass [kg]"},
    {"chckboxVel", " Velocity [m/s]"},
    {"chckboxMom", " Momentum"},
    {"chckboxMagR", " Magnetic regidity [Tm]"},
}};
constexpr std::size_t kMomentumCheck = 5;
constexpr std::size_t kRigidityCheck = 6;

QLineEdit* SpeciesEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(50);
    edit->setFixedWidth(120);
    return edit;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

RelativisticWindow::RelativisticWindow(const WindowServices& services, ElementTableWindow& elements, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      services_(services),
      elements_(elements),
      timer_(new QTimer(this)) {
    setObjectName("TRelPar");
    setWindowTitle("Relativistic Parameters");
    setModal(true);

    auto* selectAll = Button(this, "btnSelAll", "Select All");
    auto* deselectAll = Button(this, "btnDesAll", "Deselect All");
    auto* periodic = Button(this, "btnPerTab", "Periodic Table of Elements");
    auto* calculation = Button(this, "btnCalc", "Calculation");
    auto* cancel = Button(this, "btnCancel", "Cancel");
    calculation->setDefault(true);

    auto* top = new QHBoxLayout;
    auto* checkColumn = new QVBoxLayout;
    checkColumn->addWidget(buildChecks());
    auto* selectButtons = new QHBoxLayout;
    selectButtons->addWidget(selectAll);
    selectButtons->addWidget(deselectAll);
    checkColumn->addLayout(selectButtons);
    checkColumn->addStretch();
    top->addLayout(checkColumn);
    top->addWidget(buildUnits());

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(buildSpecies());
    auto* commands = new QVBoxLayout;
    commands->addWidget(periodic);
    commands->addStretch();
    commands->addWidget(calculation);
    commands->addWidget(cancel);
    bottom->addLayout(commands);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addLayout(top);
    layout->addLayout(bottom);

    connect(selectAll, &QPushButton::clicked, this, &RelativisticWindow::btnSelAllClick);
    connect(deselectAll, &QPushButton::clicked, this, &RelativisticWindow::btnDesAllClick);
    connect(periodic, &QPushButton::clicked, this, &RelativisticWindow::btnPerTabClick);
    connect(calculation, &QPushButton::clicked, this, &RelativisticWindow::btnCalcClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    timer_->setObjectName("TimerRelPar");
    timer_->setInterval(100);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &RelativisticWindow::timerFired);
}

QWidget* RelativisticWindow::buildChecks() {
    auto* group = new QGroupBox(this);
    group->setObjectName("grboxRelPar");
    auto* layout = new QVBoxLayout(group);
    for (std::size_t i = 0; i < kChecks.size(); ++i) {
        checks_[i] = new QCheckBox(kChecks[i].second, group);
        checks_[i]->setObjectName(kChecks[i].first);
        layout->addWidget(checks_[i]);
    }
    // "Select All" and "Deselect All" tick through setChecked: the same side effects as a click.
    connect(checks_[kMomentumCheck], &QCheckBox::toggled, this, [this](bool ticked) {
        for (QRadioButton* unit : momentumUnits_) unit->setEnabled(ticked);
    });
    connect(checks_[kRigidityCheck], &QCheckBox::toggled, this, [this](bool ticked) { n_->setEnabled(ticked); });
    return group;
}

QWidget* RelativisticWindow::buildUnits() {
    auto* group = new QGroupBox(this);
    group->setObjectName("grboxUnits");
    auto* layout = new QGridLayout(group);
    for (std::size_t row = 0; row < kUnitRows.size(); ++row) {
        const UnitRowNames& names = kUnitRows[row];
        auto* label = new QLabel(names.label, group);
        layout->addWidget(label, static_cast<int>(row) * 2, 0, 1, 4);
        // Each row's buttons are exclusive among themselves only.
        auto* panel = new QWidget(group);
        auto* rowLayout = new QHBoxLayout(panel);
        rowLayout->setContentsMargins(8, 0, 0, 4);
        const bool momentum = names.quantity == QuantityId::Mom;
        for (int code = 0; code < 4; ++code) {
            auto* unit = new QRadioButton(momentum ? kMomentumCaptions[code] : kEnergyCaptions[code], panel);
            unit->setObjectName(names.names[static_cast<std::size_t>(code)]);
            unit->setChecked(services_.state.unitOf(names.quantity) == code);
            rowLayout->addWidget(unit);
            connect(unit, &QRadioButton::clicked, this,
                    [this, quantity = names.quantity, code] { unitClick(quantity, code); });
            if (momentum) {
                unit->setEnabled(false);
                momentumUnits_[static_cast<std::size_t>(code)] = unit;
            }
        }
        layout->addWidget(panel, static_cast<int>(row) * 2 + 1, 0, 1, 4);
    }
    return group;
}

QWidget* RelativisticWindow::buildSpecies() {
    auto* group = new QWidget(this);
    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(0, 0, 0, 0);
    a_ = SpeciesEdit(group, "lbeditA");
    amu_ = SpeciesEdit(group, "lbeditamu");
    n_ = SpeciesEdit(group, "lbeditn");
    n_->setEnabled(false);
    const std::pair<const char*, QLineEdit*> rows[] = {
        {"A (number of nucleons)", a_}, {"amu (ion mass in\natomic mass unit)", amu_}, {"n (charge state)", n_}};
    int row = 0;
    for (const auto& [caption, edit] : rows) {
        auto* label = new QLabel(caption, group);
        label->setBuddy(edit);
        layout->addWidget(label, row, 0);
        layout->addWidget(edit, row, 1, Qt::AlignLeft);
        services_.copyHandOver.join(*edit);
        ++row;
    }
    return group;
}

void RelativisticWindow::unitClick(QuantityId quantity, int code) {
    services_.state.unitOf(quantity) = code;
    services_.host.links().listeners.unitsChanged();
}

RelativisticSelection RelativisticWindow::selection() const {
    return {checks_[0]->isChecked(), checks_[1]->isChecked(), checks_[2]->isChecked(), checks_[3]->isChecked(),
            checks_[4]->isChecked(), checks_[5]->isChecked(), checks_[6]->isChecked()};
}

void RelativisticWindow::fillElement(const ElementEntry& entry) {
    const ElementFieldTexts texts = FieldTextsOf(entry);
    a_->setText(QString::fromStdString(texts.A));
    amu_->setText(QString::fromStdString(texts.amu));
    n_->setText(QString::fromStdString(texts.n));
}

void RelativisticWindow::elementPicked(const ElementEntry& entry) {
    if (isVisible()) fillElement(entry);
}

void RelativisticWindow::resetForLoad() {
    reject();
    a_->clear();
    amu_->clear();
    n_->clear();
}

void RelativisticWindow::btnSelAllClick() {
    for (QCheckBox* check : checks_) check->setChecked(true);
}

void RelativisticWindow::btnDesAllClick() {
    for (QCheckBox* check : checks_) check->setChecked(false);
}

void RelativisticWindow::openElementTable() { elements_.exec(); }

void RelativisticWindow::btnPerTabClick() { openElementTable(); }

void RelativisticWindow::btnCalcClick() {
    const auto checked = ValidateRelativisticInputs(a_->text().toStdString(), amu_->text().toStdString(),
                                                    checks_[kRigidityCheck]->isChecked(), n_->text().toStdString());
    if (const auto* refusal = std::get_if<Message>(&checked)) return services_.dialogs.message(*refusal);
    StoreRelativisticInputs(std::get<RelativisticInputs>(checked), services_.state);
    accept();
    const WindowLinks& links = services_.host.links();
    if (links.dataTable) links.dataTable->hideViews();
    links.listeners.relativisticStarted();
    services_.busy.start();
    timer_->start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void RelativisticWindow::timerFired() {
    timer_->stop();
    RelativisticTable table =
        ComputeRelativisticTable(services_.set, services_.state, selection(), services_.busy.progress());
    const WindowLinks& links = services_.host.links();
    // The energy and momentum pages' interval captions name the units just chosen.
    links.listeners.unitsChanged();
    if (links.dataTable)
        links.dataTable->showTable(std::make_shared<RelativisticGridTable>(services_.set, std::move(table)));
    services_.busy.finish();
}

}  // namespace zelkor
