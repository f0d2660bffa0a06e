#include "widgets/transient_panel.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

namespace zelkor {

TransientPanel::TransientPanel(QWidget* parent, const QString& objectName, const QString& text,
                               const QString& timerName, const QPixmap& picture)
    : OverlayPanel(parent), timer_(new QTimer(this)) {
    setObjectName(objectName);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    if (!picture.isNull()) {
        auto* icon = new QLabel(this);
        icon->setPixmap(picture);
        layout->addWidget(icon);
    }
    auto* label = new QLabel(text, this);
    label->setObjectName(objectName + "Text");
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label, 1);

    timer_->setObjectName(timerName);
    timer_->setInterval(2000);
    connect(timer_, &QTimer::timeout, this, &TransientPanel::timerFired);
}

void TransientPanel::showForAWhile() {
    showOnTop();
    timer_->start();
}

void TransientPanel::timerFired() {
    timer_->stop();
    hide();
}

}  // namespace zelkor
