// The controls of the generator window and where they stand;
// generator_window.cpp holds what they do.
#include "generator/ui/generator_edits.hpp"
#include "generator/ui/generator_window.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <span>

namespace zelkor {
namespace {

constexpr int kEditWidth = 150;

// A label above its control, as a labelled edit has it; labels sit on their
// control so that a two-line label only pushes its own row apart.
void Place(QGridLayout& grid, int row, int column, const char* name, const char* text, QWidget* control) {
    auto* label = new QLabel(text, control->parentWidget());
    label->setObjectName(QString(name) + "Label");
    label->setBuddy(control);
    grid.addWidget(label, 2 * row, column, Qt::AlignLeft | Qt::AlignBottom);
    grid.addWidget(control, 2 * row + 1, column);
}

QComboBox* SignList(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems({"PLUS", "MINUS"});
    list->setCurrentIndex(-1);
    list->setFixedWidth(kEditWidth);
    return list;
}

QPushButton* Button(QWidget* parent, const char* name, const char* text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

void GeneratorWindow::buildLayout() {
    description_ = new QComboBox(this);
    description_->setObjectName("cmboxDesOfEx");
    description_->setEditable(true);
    description_->setInsertPolicy(QComboBox::NoInsert);
    description_->addItem(
        "[atomic number] [symbol or name of element]  ions into [target] [thick],  Various Energies, "
        "Positions and Angles");
    auto* descriptionLabel = new QLabel("Description of Experiment", this);
    descriptionLabel->setObjectName("cmboxDesOfExLabel");
    descriptionLabel->setBuddy(description_);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(18);
    fields->setVerticalSpacing(2);
    // Controls are created in reading order, column by column, which is also the tab order.
    std::size_t next = 0;
    const auto column = [&](int c, std::span<const GeneratorEdit> edits, QComboBox** sign, const char* signName,
                            const char* signLabel) {
        int row = 0;
        for (const GeneratorEdit& e : edits) {
            if (sign && row == kSignRow) {
                *sign = SignList(this, signName);
                Place(*fields, row++, c, signName, signLabel, *sign);
            }
            auto* edit = new QLineEdit(this);
            edit->setObjectName(e.name);
            edit->setFixedWidth(kEditWidth);
            edits_[next++] = edit;
            Place(*fields, row++, c, e.name, e.label, edit);
        }
    };
    column(0, kIonEdits, nullptr, nullptr, nullptr);
    column(1, kHorizontalEdits, &signY_, "cmboxSignAY", "sign_alpha_Y");
    column(2, kVerticalEdits, &signZ_, "cmboxSignAZ", "sign_alpha_Z");

    auto* twiss = Button(this, "btnShTwisPar", "Show Twiss Parameters");
    auto* table = Button(this, "btnPerTab", "Periodic Table of Elements");
    auto* distributions = Button(this, "btnDistributions", "Distributions");
    auto* generate = Button(this, "btnGenerate", "Generate");
    auto* cancel = Button(this, "btnCancel", "Cancel");
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    for (QPushButton* b : {twiss, table, distributions}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(generate);
    buttons->addWidget(cancel);
    connect(twiss, &QPushButton::clicked, this, &GeneratorWindow::btnShTwisParClick);
    connect(table, &QPushButton::clicked, this, &GeneratorWindow::btnPerTabClick);
    connect(distributions, &QPushButton::clicked, this, &GeneratorWindow::btnDistributionsClick);
    connect(generate, &QPushButton::clicked, this, &GeneratorWindow::btnGenerateClick);
    connect(cancel, &QPushButton::clicked, this, &GeneratorWindow::btnCancelClick);

    auto* body = new QHBoxLayout;
    body->setSpacing(24);
    body->addLayout(fields);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->addWidget(descriptionLabel);
    layout->addWidget(description_);
    layout->addSpacing(10);
    layout->addLayout(body);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace zelkor
