// ZELKOR: the splash for five seconds, then the main window until the user exits.
#include "app/command_line.hpp"
#include "app/main_window.hpp"
#include "app/start_up.hpp"
#include "platform/utf8_path.hpp"
#include "widgets/qt_user_dialogs.hpp"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <iostream>

int main(int argc, char* argv[]) {
    // --version and --help answer before QApplication, which needs a display.
    const std::vector<std::string> words(argv + 1, argv + argc);
    const zelkor::CommandLine early = zelkor::ParseCommandLine(words);
    if (early.action == zelkor::CommandLine::Action::PrintVersion) {
        std::cout << zelkor::VersionText();
        return 0;
    }
    if (early.action == zelkor::CommandLine::Action::PrintHelp) {
        std::cout << zelkor::HelpText();
        return 0;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName("ZELKOR");
    QApplication::setApplicationVersion(ZELKOR_VERSION);
    QApplication::setDesktopFileName("org.zelkor.Zelkor");
    // The splash and the dialogs stay hidden; only the main window's closing ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt has taken its own options (-platform, -style, ...) out of the arguments by now.
    std::vector<std::string> leftovers;
    for (const QString& argument : QApplication::arguments().mid(1)) leftovers.push_back(argument.toStdString());
    const zelkor::CommandLine line = zelkor::ParseCommandLine(leftovers);
    if (line.action == zelkor::CommandLine::Action::UsageError) {
        std::cerr << "zelkor: " << line.error << "\n" << zelkor::HelpText();
        return 2;
    }

    try {
        zelkor::QtUserDialogs dialogs;
        std::vector<std::filesystem::path> files;
        for (const std::string& file : line.files) files.push_back(zelkor::platform::PathFromUtf8(file));
        zelkor::StartUp startUp(dialogs, std::move(files));
        dialogs.setParent(&startUp.mainWindow());
        return application.exec();
    } catch (const std::exception& error) {
        // Nothing can be done without the windows; at least say why.
        QMessageBox::critical(nullptr, "Error", QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
