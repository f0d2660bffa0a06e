#include "optics/ui/sigma_matrix_box.hpp"

#include "optics/beam_parameters.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zelkor {
namespace {

struct SigmaField {
    const char* name;
    const char* label;
};

constexpr std::array<SigmaField, 16> kFields{{
    {"editYY", "< Y Y > [mm^2]"},
    {"editYYc", "< Y Y' > [mm.mrad]"},
    {"editYZ", "< Y Z > [mm^2]"},
    {"editYZc", "< Y Z' > [mm.mrad]"},
    {"editYcY", "< Y' Y > [mrad.mm]"},
    {"editYcYc", "< Y' Y' > [mrad^2]"},
    {"editYcZ", "< Y' Z > [mrad.mm]"},
    {"editYcZc", "< Y' Z' > [mrad^2]"},
    {"editZY", "< Z Y > [mm^2]"},
    {"editZYc", "< Z Y' > [mm.mrad]"},
    {"editZZ", "< Z Z > [mm^2]"},
    {"editZZc", "< Z Z' > [mm.mrad]"},
    {"editZcY", "< Z' Y > [mrad.mm]"},
    {"editZcYc", "< Z' Y' > [mrad^2]"},
    {"editZcZ", "< Z' Z > [mrad.mm]"},
    {"editZcZc", "< Z' Z' > [mrad^2]"},
}};

constexpr std::array<const char*, 8> kParameterNames = {
    "labelEpsY", "labelBetaY", "labelGammaY", "labelAlphaY", "labelEpsZ", "labelBetaZ", "labelGammaZ", "labelAlphaZ",
};

}  // namespace

SigmaMatrixBox::SigmaMatrixBox(QWidget* parent) : QGroupBox("Sigma matrix", parent) {
    setObjectName("grboxSigMatrix");
    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(10);
    layout->setVerticalSpacing(2);
    for (int i = 0; i < 16; ++i) {
        const int row = i / 4, column = i % 4;
        auto* label = new QLabel(kFields[static_cast<std::size_t>(i)].label, this);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(kFields[static_cast<std::size_t>(i)].name);
        edit->setReadOnly(true);
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance("-8.8888888E+88") + 14);
        layout->addWidget(label, row * 2, column);
        layout->addWidget(edit, row * 2 + 1, column);
        if (row < 3) layout->setRowMinimumHeight(row * 2 + 1, edit->sizeHint().height() + 8);
        edits_[static_cast<std::size_t>(i)] = edit;
    }
}

void SigmaMatrixBox::showMatrix(const SigmaMatrix& sigma) {
    for (int i = 0; i < 16; ++i)
        edits_[static_cast<std::size_t>(i)]->setText(QString::fromStdString(
            FormatSigmaEntry(sigma.entry[static_cast<std::size_t>(i / 4)][static_cast<std::size_t>(i % 4)])));
}

BeamParameterBox::BeamParameterBox(QWidget* parent) : QGroupBox("Beam parameters", parent) {
    setObjectName("grboxBeamPar");
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 8; ++i) {
        if (i == 4) layout->addSpacing(10);
        auto* label = new QLabel(this);
        label->setObjectName(kParameterNames[static_cast<std::size_t>(i)]);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
        lines_[static_cast<std::size_t>(i)] = label;
    }
    layout->addStretch();
}

void BeamParameterBox::showParameters(const SigmaMatrix& sigma) {
    int index = 0;
    for (Plane plane : {Plane::Y, Plane::Z})
        for (const std::string& text : BeamParameterLines(PlaneParametersOf(sigma, plane), plane))
            lines_[static_cast<std::size_t>(index++)]->setText(QString::fromStdString(text));
}

}  // namespace zelkor
