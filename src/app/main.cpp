// ZELKOR: the splash for five seconds, then the main window until the user exits.
#include "app/command_line.hpp"
#include "app/main_window.hpp"
#include "app/start_up.hpp"
#include "data/platform/utf8_path.hpp"
#include "widgets/qt_user_dialogs.hpp"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <iostream>

int main(int argc, char* argv[]) {
    // Read before QApplication, which needs a display: --version, --help and
    // a mistake are answered without one.
    const std::vector<std::string> words(argv + 1, argv + argc);
    const zelkor::CommandLine line = zelkor::ParseCommandLine(words);
    switch (line.action) {
        case zelkor::CommandLine::Action::PrintVersion: std::cout << zelkor::VersionText(); return 0;
        case zelkor::CommandLine::Action::PrintHelp: std::cout << zelkor::HelpText(); return 0;
        case zelkor::CommandLine::Action::UsageError:
            std::cerr << "zelkor: " << line.error << "\n" << zelkor::HelpText();
            return 2;
        case zelkor::CommandLine::Action::Run: break;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName("ZELKOR");
    QApplication::setApplicationVersion(ZELKOR_VERSION);
    QApplication::setDesktopFileName("org.zelkor.Zelkor");
    // The splash and the dialogs stay hidden; only the main window's closing ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt has taken its own options out of the arguments by now, and gives
    // the rest in UTF-8 on every system.
    std::vector<std::string> leftovers;
    for (const QString& argument : QApplication::arguments().mid(1)) leftovers.push_back(argument.toStdString());

    try {
        zelkor::QtUserDialogs dialogs;
        std::vector<std::filesystem::path> files;
        for (const std::string& file : zelkor::ParseCommandLine(leftovers).files)
            files.push_back(zelkor::platform::PathFromUtf8(file));
        zelkor::StartUp startUp(dialogs, std::move(files));
        dialogs.setParent(&startUp.mainWindow());
        return application.exec();
    } catch (const std::exception& error) {
        // Nothing can be done without the windows; at least say why.
        QMessageBox::critical(nullptr, "Error", QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
