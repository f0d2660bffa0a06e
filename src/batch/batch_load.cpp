#include "batch/batch_load.hpp"

#include "data/kind_words.hpp"
#include "data/platform/utf8_path.hpp"
#include "state/load_file.hpp"

#include <algorithm>

namespace zelkor::batch {

std::optional<SourceKind> KindFromArgs(const BatchArgs& args, const std::string& path, std::string& error) {
    if (const auto word = args.option("kind")) {
        if (const auto kind = SourceKindFromWord(*word)) return kind;
        error = "unknown kind " + *word + " (transmit, trim or pnt)";
        return std::nullopt;
    }
    if (const auto kind = SourceKindFromExtension(platform::PathFromUtf8(path))) return kind;
    error = "cannot tell the kind of " + path + " from its extension; give --kind";
    return std::nullopt;
}

std::optional<LoadedData> LoadForBatch(const BatchArgs& args, const BatchIo& io, const std::string& usage,
                                       int& exitCode) {
    if (args.positionals.size() != 1) {
        exitCode = UsageError(io, args.positionals.empty() ? "no FILE given" : "more than one FILE given", usage);
        return std::nullopt;
    }
    const std::string& path = args.positionals.front();
    std::string error;
    const auto kind = KindFromArgs(args, path, error);
    if (!kind) {
        exitCode = UsageError(io, error, usage);
        return std::nullopt;
    }
    LoadedData data;
    const LoadReport report = LoadParticleFile(*kind, platform::PathFromUtf8(path), data.state, data.set);
    for (const Message& message : report.messages) PrintMessage(io, message);
    // A count or parse pass that could not open or close the file leaves an
    // empty set behind an error message: nothing a script should carry on with.
    const bool failed = std::any_of(report.messages.begin(), report.messages.end(),
                                    [](const Message& m) { return m.icon == MessageIcon::Error; });
    // Lines were there but none could be read (a file of another kind, say):
    // an empty set is no success.
    const bool nothingRead = data.set.count == 0 && report.skippedLines > 0;
    if (report.outcome != LoadOutcome::Loaded || failed || nothingRead) {
        exitCode = kExitStopped;
        return std::nullopt;
    }
    return data;
}

}  // namespace zelkor::batch
