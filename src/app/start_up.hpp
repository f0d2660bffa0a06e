#pragma once

#include "app/splash.hpp"

#include <QObject>
#include <QPointer>

#include <filesystem>
#include <memory>
#include <vector>

namespace zelkor {

class MainWindow;
class UserDialogs;

// The program's start: the composed main window, hidden, and the splash;
// when the splash's timer fires the main window is shown in the middle of
// the screen and then opens the files given on the command line.
class StartUp : public QObject {
public:
    StartUp(UserDialogs& dialogs, std::vector<std::filesystem::path> files);
    ~StartUp() override;

    MainWindow& mainWindow() { return *mainWindow_; }
    // Null once the main window has taken over.
    SplashWindow* splash() { return splash_; }

private:
    void showMainWindow();

    std::unique_ptr<MainWindow> mainWindow_;
    QPointer<SplashWindow> splash_;
    std::vector<std::filesystem::path> files_;
};

}  // namespace zelkor
