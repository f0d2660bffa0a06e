#include "generator/ui/distributions_window.hpp"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zelkor {

DistributionsWindow::DistributionsWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("TDistributions");
    setWindowTitle("Distributions");
    setModal(true);

    auto* position = new QGroupBox("Position", this);
    auto* positionLayout = new QHBoxLayout(position);
    positionLayout->addWidget(pair(DistributedQuantity::PositionY, "Horizontal (Y)", "rdbtnPosYG", "rdbtnPosYU"));
    positionLayout->addWidget(pair(DistributedQuantity::PositionZ, "Vertical (Z)", "rdbtnPosZG", "rdbtnPosZU"));
    auto* angles = new QGroupBox("Angles", this);
    auto* anglesLayout = new QHBoxLayout(angles);
    anglesLayout->addWidget(pair(DistributedQuantity::SlopeY, "Horizontal (dY/dX)", "rdbtnAngYG", "rdbtnAngYU"));
    anglesLayout->addWidget(pair(DistributedQuantity::SlopeZ, "Vertical (dZ/dX)", "rdbtnAngZG", "rdbtnAngZU"));

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(position);
    layout->addWidget(angles);
    layout->addLayout(buttons);
}

QWidget* DistributionsWindow::pair(DistributedQuantity quantity, const char* title, const char* gaussianName,
                                   const char* uniformName) {
    auto* group = new QGroupBox(title, this);
    auto* gaussian = new QRadioButton("Gaussian", group);
    gaussian->setObjectName(gaussianName);
    gaussian->setChecked(true);
    auto* uniform = new QRadioButton("Uniform", group);
    uniform->setObjectName(uniformName);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(gaussian);
    layout->addWidget(uniform);
    connect(gaussian, &QRadioButton::toggled, this, [this, quantity](bool checked) {
        if (checked) choose(quantity, Distribution::Gaussian);
    });
    connect(uniform, &QRadioButton::toggled, this, [this, quantity](bool checked) {
        if (checked) choose(quantity, Distribution::Uniform);
    });
    return group;
}

void DistributionsWindow::choose(DistributedQuantity quantity, Distribution distribution) {
    switch (quantity) {
        case DistributedQuantity::PositionY: choice_.posY = distribution; break;
        case DistributedQuantity::PositionZ: choice_.posZ = distribution; break;
        case DistributedQuantity::SlopeY: choice_.slopeY = distribution; break;
        case DistributedQuantity::SlopeZ: choice_.slopeZ = distribution; break;
    }
    emit distributionChosen(quantity, distribution);
}

}  // namespace zelkor
