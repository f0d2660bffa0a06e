#include "batch/batch_cli.hpp"

#include "batch/batch_command.hpp"
#include "state/licence_notice.hpp"

#include <ostream>

namespace zelkor::batch {
namespace {

void PrintHelp(std::ostream& out) {
    out << "zelkor-batch: ZELKOR's command-line companion for SRIM/TRIM ion tables\n";
    for (const BatchCommand& command : BatchCommands()) out << "usage: " << command.usage << '\n';
}

}  // namespace

int RunBatch(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    const BatchIo io{out, err};
    if (words.empty()) {
        PrintHelp(err);
        return kExitUsage;
    }
    if (words.front() == "--version") {
        out << "zelkor-batch " ZELKOR_VERSION "\n" << kLicenceNotice;
        return kExitOk;
    }
    if (words.front() == "--help" || words.front() == "-h" || words.front() == "help") {
        PrintHelp(out);
        return kExitOk;
    }
    for (const BatchCommand& command : BatchCommands()) {
        if (command.name != words.front()) continue;
        const std::vector<std::string> rest(words.begin() + 1, words.end());
        for (const std::string& word : rest) {
            if (word == "--help") {
                out << "usage: " << command.usage << '\n';
                return kExitOk;
            }
        }
        std::string error;
        const auto args = ParseBatchArgs(rest, command.rules, error);
        if (!args) return UsageError(io, error, command.usage);
        return command.run(*args, io, command.usage);
    }
    err << "zelkor-batch: unknown command " << words.front() << '\n';
    PrintHelp(err);
    return kExitUsage;
}

}  // namespace zelkor::batch
