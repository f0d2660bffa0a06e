#include "bindings/save_call.hpp"

#include "bindings/binding_error.hpp"
#include "data/kind_words.hpp"
#include "io/file_commands.hpp"
#include "optics/transformed_file.hpp"

#include <variant>

namespace zelkor::bindings {
namespace {

std::optional<Message> Export(const Session& session, const std::filesystem::path& path, SourceKind target,
                              const std::optional<std::string>& setX, Progress& progress) {
    if (auto refusal = CheckCanExportTransmit(session.state)) return refusal;
    if (target == SourceKind::WinAgile) return ExportTransmitToWinAgile(path, session.set, progress);
    std::optional<double> fixedX;
    if (setX) {
        const auto checked = ValidateSetX(*setX);
        if (const auto* message = std::get_if<Message>(&checked)) return *message;
        fixedX = std::get<double>(checked);
    }
    return ExportTransmitToTrimDat(path, session.set, session.state, fixedX, progress);
}

}  // namespace

void SaveSession(const Session& session, const std::filesystem::path& path, const std::optional<std::string>& kindWord,
                 const std::optional<std::string>& setX, Progress& progress) {
    const SourceKind kind = session.state.sourceKind;
    SourceKind target = kind;
    if (kindWord) {
        const auto word = SourceKindFromWord(*kindWord);
        if (!word) throw BadArgument("unknown kind " + *kindWord + " (transmit, trim or pnt)");
        target = *word;
    }
    if (setX && (target != SourceKind::TrimDat || target == kind))
        throw BadArgument("set_x belongs to the conversion of a TRANSMIT.TXT set to kind='trim'");
    const auto failure = target == kind ? SaveFilteredFile(path, session.set, session.state, progress)
                                        : Export(session, path, target, setX, progress);
    if (failure) Refuse(*failure);
}

void SaveTransformed(const Session& session, const std::filesystem::path& path, Progress& progress) {
    if (const auto failure = SaveTransformedFile(path, session.set, session.state, progress)) Refuse(*failure);
}

}  // namespace zelkor::bindings
