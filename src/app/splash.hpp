#pragma once

#include <QWidget>

class QTimer;

namespace zelkor {

// TStart: the borderless 384 x 288 window shown at start; its 5000 ms timer
// fires once and hands over to the main window.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    QTimer& timer() { return *timer_; }

public slots:
    // Timer1's handler: disables the timer and reports that the splash is over.
    void Timer1Timer();

signals:
    void finished();

private:
    QTimer* timer_;
};

}  // namespace zelkor
