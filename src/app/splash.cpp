#include "app/splash.hpp"

#include "widgets/pictures.hpp"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace zelkor {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), timer_(new QTimer(this)) {
    setObjectName("TStart");
    setFixedSize(384, 288);
    auto* picture = new QLabel(this);
    picture->setObjectName("Image1");
    picture->setPixmap(SplashPicture());
    picture->setGeometry(2, 1, 380, 285);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    timer_->setObjectName("Timer1");
    timer_->setInterval(5000);
    connect(timer_, &QTimer::timeout, this, &SplashWindow::Timer1Timer);
    timer_->start();
}

void SplashWindow::Timer1Timer() {
    timer_->stop();
    emit finished();
}

}  // namespace zelkor
