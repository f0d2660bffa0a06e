// ZELKOR: the splash for five seconds, then the main window until the user exits.
#include "app/command_line.hpp"
#include "app/main_window.hpp"
#include "app/start_up.hpp"
#include "widgets/qt_user_dialogs.hpp"

#include <QApplication>
#include <QMessageBox>

#include <algorithm>
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

    // Qt sees the words before "--" only: after it, a name such as
    // "-platform" is a file.
    int qtArgumentCount = static_cast<int>(std::find(words.begin(), words.end(), "--") - words.begin()) + 1;
    QApplication application(qtArgumentCount, argv);
    QApplication::setApplicationName("ZELKOR");
    QApplication::setApplicationVersion(ZELKOR_VERSION);
    QApplication::setDesktopFileName("org.zelkor.Zelkor");
    // The splash and the dialogs stay hidden; only the main window's closing ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    try {
        zelkor::QtUserDialogs dialogs;
        std::vector<std::filesystem::path> files;
        for (const std::string& file : line.files) files.emplace_back(file);
        zelkor::StartUp startUp(dialogs, std::move(files));
        dialogs.setParent(&startUp.mainWindow());
        return application.exec();
    } catch (const std::exception& error) {
        // Nothing can be done without the windows; at least say why.
        QMessageBox::critical(nullptr, "Error", QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
