#include "generator/ui/twiss_parameters_window.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zelkor {

TwissParametersWindow::TwissParametersWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("TTwissPar");
    setWindowTitle("Twiss Parameters");
    setModal(false);
    static const char* const kNames[] = {"labelbetaY", "labelgammaY", "labelalphaY",
                                         "labelbetaZ", "labelgammaZ", "labelalphaZ"};
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 12);
    for (int i = 0; i < 6; ++i) {
        if (i == 3) layout->addSpacing(14);
        labels_[i] = new QLabel(this);
        labels_[i]->setObjectName(kNames[i]);
        // Room for "gamma(Y) = -1.234567E+000 1/m" before the window is first shown.
        labels_[i]->setMinimumWidth(labels_[i]->fontMetrics().horizontalAdvance("gamma(Y) = -1.234567E+000 1/m") + 8);
        labels_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(labels_[i]);
    }
    layout->addSpacing(8);
    auto* close = new QPushButton("Close", this);
    close->setObjectName("btnClose");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &TwissParametersWindow::btnCloseClick);
}

void TwissParametersWindow::showParameters(const TwissLabels& labels) {
    for (QLabel* label : labels_) label->clear();
    for (int i = 0; i < 6; ++i) labels_[i]->setText(QString::fromStdString(labels[i]));
    if (!isVisible()) placeBesideParent();
    show();
    raise();
}

void TwissParametersWindow::placeBesideParent() {
    // Beside the generator rather than over its fields, where the screen has room.
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!owner || !owner->isVisible()) return;
    adjustSize();
    const QRect ownerFrame = owner->frameGeometry();
    QPoint place(ownerFrame.right() + 8, ownerFrame.top());
    if (const QScreen* screen = owner->screen()) {
        const QRect room = screen->availableGeometry();
        if (place.x() + frameGeometry().width() > room.right()) place.setX(room.right() - frameGeometry().width());
    }
    move(place);
}

QString TwissParametersWindow::labelText(int index) const { return labels_.at(index)->text(); }

void TwissParametersWindow::btnCloseClick() {
    for (QLabel* label : labels_) label->clear();
    hide();
}

}  // namespace zelkor
