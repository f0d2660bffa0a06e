#include "batch/batch_command.hpp"
#include "batch/batch_load.hpp"
#include "data/kind_words.hpp"
#include "io/file_commands.hpp"
#include "data/platform/utf8_path.hpp"

#include <variant>

namespace zelkor::batch {
namespace {

int Finish(const BatchIo& io, const std::optional<Message>& failure) {
    if (!failure) return kExitOk;
    PrintMessage(io, *failure);
    return kExitStopped;
}

int RunConvert(const BatchArgs& args, const BatchIo& io, const std::string& usage) {
    const auto to = args.option("to");
    const auto out = args.option("-o");
    if (!to) return UsageError(io, "--to is missing", usage);
    if (!out) return UsageError(io, "-o is missing", usage);
    const auto target = SourceKindFromWord(*to);
    if (!target) return UsageError(io, "--to must be transmit, trim or pnt", usage);
    if (args.has("set-x") && *target != SourceKind::TrimDat)
        return UsageError(io, "--set-x belongs to --to trim", usage);
    if (args.has("set-x") && !args.positionals.empty()) {
        // Only the conversion of a TRANSMIT.TXT file places the ions at one depth.
        std::string error;
        const auto source = KindFromArgs(args, args.positionals.front(), error);
        if (source && *source != SourceKind::TransmitTxt)
            return UsageError(io, "--set-x applies only to a TRANSMIT.TXT file", usage);
    }

    int exitCode = kExitOk;
    auto data = LoadForBatch(args, io, usage, exitCode);
    if (!data) return exitCode;
    const SourceKind kind = data->state.sourceKind;

    if (*target == kind) return Finish(io, SaveFilteredFile(platform::PathFromUtf8(*out), data->set, data->state));
    if (const auto refusal = CheckCanExportTransmit(data->state)) return Finish(io, refusal);
    if (*target == SourceKind::WinAgile)
        return Finish(io, ExportTransmitToWinAgile(platform::PathFromUtf8(*out), data->set));

    std::optional<double> fixedX;
    if (const auto setX = args.option("set-x")) {
        const auto checked = ValidateSetX(*setX);
        if (const auto* message = std::get_if<Message>(&checked)) return Finish(io, *message);
        fixedX = std::get<double>(checked);
    }
    return Finish(io, ExportTransmitToTrimDat(platform::PathFromUtf8(*out), data->set, data->state, fixedX));
}

}  // namespace

BatchCommand ConvertCommand() {
    return {"convert", "zelkor-batch convert FILE [--kind transmit|trim|pnt] --to transmit|trim|pnt [--set-x X] -o OUT",
            ArgSpec{{"kind", "to", "set-x", "-o"}, {}}, &RunConvert};
}

}  // namespace zelkor::batch
