#include "batch/batch_cli.hpp"

#include "batch/batch_command.hpp"
#include "state/licence_notice.hpp"

#include <ostream>

namespace zelkor::batch {
namespace {

// What the usage lines cannot say. The man page prints it as its NOTES (no
// semicolon in it: the page's script splits lines at semicolons).
constexpr const char* kHelpNotes = R"(notes:
stats --more: the error of the mean sigma/sqrt(N) and of sigma sigma/sqrt(2(N-1)), the median,
  the FWHM (the histogram of the report's ions at --width W, else at the default width, its
  half-maximum crossings interpolated linearly between interval centres), the skewness m3/m2^1.5
  and the excess kurtosis m4/m2^2-3, or "undefined" where a figure has no value.
histogram --fit: a Gaussian fitted to the table's intervals that hold ions (least squares
  weighted by 1/count): amplitude, mean and sigma with their errors, chi2 / ndf. Exit status 2
  where zelkor-batch was built without the fit.
summary: one row per FILE, the files read in parallel: kind, count, skipped lines, energy mean,
  its error, sigma, its error and FWHM [eV], sigma of Y and Z [A] and of dY/dX and dZ/dX [rad],
  eps_rms [PI.mm.mrad], beta [m] and alpha of each plane. A file that cannot be read has its
  message in the last column, and the exit status is 1.
)";

void PrintHelp(std::ostream& out) {
    out << "zelkor-batch: ZELKOR's command-line companion for SRIM/TRIM ion tables\n";
    for (const BatchCommand& command : BatchCommands()) out << "usage: " << command.usage << '\n';
    out << kHelpNotes;
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
