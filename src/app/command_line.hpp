#pragma once

#include <string>
#include <vector>

namespace zelkor {

// What the words after the program's name ask for. Read before any window
// exists, so that --version, --help and a mistake are answered without a
// display.
struct CommandLine {
    enum class Action { Run, PrintVersion, PrintHelp, UsageError };
    Action action = Action::Run;
    std::vector<std::string> files;  // to open once the main window is shown
    std::string error;               // UsageError: what was wrong
};

// Qt's own options (-platform NAME, -style=NAME, -reverse ...) and their
// values are passed over: QApplication takes them.
CommandLine ParseCommandLine(const std::vector<std::string>& words);

std::string VersionText();  // "zelkor 1.0\n" and the licence notice
std::string HelpText();

}  // namespace zelkor
