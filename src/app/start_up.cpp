#include "app/start_up.hpp"

#include "app/compose.hpp"
#include "app/main_window.hpp"
#include "app/splash.hpp"

#include <QTimer>

namespace zelkor {

StartUp::StartUp(UserDialogs& dialogs, std::vector<std::filesystem::path> files)
    : mainWindow_(std::make_unique<MainWindow>(dialogs)), splash_(new SplashWindow), files_(std::move(files)) {
    Compose(*mainWindow_);
    connect(splash_, &SplashWindow::finished, this, &StartUp::showMainWindow);
    splash_->show();
}

StartUp::~StartUp() { delete splash_; }

void StartUp::showMainWindow() {
    splash_->deleteLater();
    mainWindow_->centreOnScreen();
    mainWindow_->show();
    // Opened from the event loop, so that the window is painted before a load's panel or messages.
    if (!files_.empty())
        QTimer::singleShot(0, mainWindow_.get(), [this] { mainWindow_->openFiles(std::exchange(files_, {})); });
}

}  // namespace zelkor
