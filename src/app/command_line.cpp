#include "app/command_line.hpp"

#include "state/licence_notice.hpp"

#include <algorithm>
#include <array>
#include <string_view>

namespace zelkor {
namespace {

// Qt's own options, which QApplication takes out of the arguments. The words
// are read before it exists, so that a mistake is answered without a display.
constexpr std::array<std::string_view, 15> kQtOptionsWithValue = {
    "platform",  "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry", "geometry", "qwindowtitle",
    "title",     "qwindowicon",        "icon",          "session", "display",         "name",     "style",
    "stylesheet"};
constexpr std::array<std::string_view, 6> kQtFlags = {"reverse", "widgetcount", "nograb",
                                                      "dograb",  "sync",        "testability"};
constexpr std::array<std::string_view, 3> kQtOptionsWithEquals = {"style=", "stylesheet=", "qmljsdebugger="};

// Qt accepts its options with one dash or two.
std::string_view QtName(std::string_view word) {
    word.remove_prefix(word.starts_with("--") ? 2 : 1);
    return word;
}

template <std::size_t N>
bool Among(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool TakesEquals(std::string_view name) {
    return std::any_of(kQtOptionsWithEquals.begin(), kQtOptionsWithEquals.end(),
                       [name](std::string_view prefix) { return name.starts_with(prefix); });
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& words) {
    CommandLine line;
    bool onlyFiles = false;
    for (std::size_t k = 0; k < words.size(); ++k) {
        const std::string& word = words[k];
        if (onlyFiles || word.empty() || word[0] != '-' || word == "-") {
            line.files.push_back(word);
        } else if (word == "--") {
            onlyFiles = true;
        } else if (word == "--version") {
            return {CommandLine::Action::PrintVersion, {}, {}};
        } else if (word == "--help" || word == "-h") {
            return {CommandLine::Action::PrintHelp, {}, {}};
        } else if (Among(kQtOptionsWithValue, QtName(word))) {
            if (++k == words.size()) return {CommandLine::Action::UsageError, {}, "option " + word + " needs a value"};
        } else if (!Among(kQtFlags, QtName(word)) && !TakesEquals(QtName(word))) {
            return {CommandLine::Action::UsageError, {}, "unknown option " + word};
        }
    }
    return line;
}

std::string VersionText() { return std::string("zelkor " ZELKOR_VERSION "\n") + kLicenceNotice; }

std::string HelpText() {
    return "usage: zelkor [FILE]\n"
           "       zelkor --version | --help\n"
           "ZELKOR: statistics, emittance and new beams from SRIM/TRIM ion-transport output.\n"
           "FILE is opened once the main window is shown; its extension tells its kind:\n"
           "  .txt  TRANSMIT.TXT\n"
           "  .dat  TRIM.DAT\n"
           "  .pnt  WinAGILE point file\n"
           "One set of ions is held at a time: of several files only the first is opened.\n"
           "zelkor-batch does the same work from scripts (zelkor-batch --help).\n";
}

}  // namespace zelkor
