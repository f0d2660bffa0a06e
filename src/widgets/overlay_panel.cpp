#include "widgets/overlay_panel.hpp"

#include <QEvent>

namespace zelkor {

OverlayPanel::OverlayPanel(QWidget* parent) : QFrame(parent) {
    setFixedSize(240, 90);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    hide();
    parent->installEventFilter(this);
    centre();
}

void OverlayPanel::showOnTop() {
    centre();
    show();
    raise();
}

bool OverlayPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) centre();
    return QFrame::eventFilter(watched, event);
}

void OverlayPanel::centre() {
    const QWidget* area = parentWidget();
    move((area->width() - width()) / 2, (area->height() - height()) / 2);
}

}  // namespace zelkor
