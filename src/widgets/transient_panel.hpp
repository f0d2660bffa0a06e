#pragma once

#include "widgets/overlay_panel.hpp"

#include <QPixmap>

class QTimer;

namespace zelkor {

// A bold message over the window that hides itself when its 2000 ms timer
// fires ("Data available", "Copy to clipboard finished").
class TransientPanel : public OverlayPanel {
    Q_OBJECT
public:
    TransientPanel(QWidget* parent, const QString& objectName, const QString& text, const QString& timerName,
                   const QPixmap& picture = {});

    // Shown now; the timer hides it again.
    void showForAWhile();
    QTimer& timer() { return *timer_; }

public slots:
    // The timer's handler: it disables itself and hides the panel.
    void timerFired();

private:
    QTimer* timer_;
};

}  // namespace zelkor
