#include "app/command_line.hpp"

#include "state/licence_notice.hpp"

namespace zelkor {

CommandLine ParseCommandLine(const std::vector<std::string>& words) {
    CommandLine line;
    bool onlyFiles = false;
    for (const std::string& word : words) {
        if (onlyFiles || word.empty() || word[0] != '-' || word == "-") {
            line.files.push_back(word);
        } else if (word == "--") {
            onlyFiles = true;
        } else if (word == "--version") {
            return {CommandLine::Action::PrintVersion, {}, {}};
        } else if (word == "--help" || word == "-h") {
            return {CommandLine::Action::PrintHelp, {}, {}};
        } else {
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
