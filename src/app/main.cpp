// ZELKOR: the splash for five seconds, then the main window until the user exits.
#include "app/compose.hpp"
#include "app/main_window.hpp"
#include "widgets/qt_user_dialogs.hpp"
#include "app/splash.hpp"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("ZELKOR");
    // The splash and the dialogs stay hidden; only the main window's closing ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    try {
        zelkor::QtUserDialogs dialogs;
        zelkor::MainWindow mainWindow(dialogs);
        zelkor::Compose(mainWindow);
        dialogs.setParent(&mainWindow);
        auto* splash = new zelkor::SplashWindow;
        QObject::connect(splash, &zelkor::SplashWindow::finished, &mainWindow, [&mainWindow, splash] {
            splash->deleteLater();
            mainWindow.centreOnScreen();
            mainWindow.show();
        });
        splash->show();
        return application.exec();
    } catch (const std::exception& error) {
        // Nothing can be done without the windows; at least say why.
        QMessageBox::critical(nullptr, "Error", QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
