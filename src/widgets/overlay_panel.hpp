#pragma once

#include <QFrame>

namespace zelkor {

// A 240 x 90 panel that floats in the middle of its parent, over whatever the
// parent shows, and stays there when the parent is resized.
class OverlayPanel : public QFrame {
    Q_OBJECT
public:
    explicit OverlayPanel(QWidget* parent);

    // Shown on top of its siblings.
    void showOnTop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centre();
};

}  // namespace zelkor
