#include "bindings/load_session.hpp"

#include "bindings/binding_error.hpp"
#include "data/kind_words.hpp"
#include "state/load_file.hpp"

namespace zelkor::bindings {

SourceKind KindToLoad(const std::filesystem::path& path, const std::optional<std::string>& kindWord) {
    if (kindWord) {
        if (const auto kind = SourceKindFromWord(*kindWord)) return *kind;
        throw BadArgument("unknown kind " + *kindWord + " (transmit, trim or pnt)");
    }
    if (const auto kind = SourceKindFromExtension(path)) return *kind;
    throw BadArgument("cannot tell the kind of " + path.string() + " from its extension; give kind");
}

void LoadSession(Session& session, SourceKind kind, const std::filesystem::path& path, Progress& progress) {
    const LoadReport report = LoadParticleFile(kind, path, session.state, session.set, progress);
    // A refused file, or a pass that could not open or close it, leaves
    // nothing a script should carry on with.
    for (const Message& message : report.messages)
        if (message.icon == MessageIcon::Error) Refuse(message);
    if (report.outcome != LoadOutcome::Loaded)
        Refuse(report.messages.empty() ? ErrorMessage(kBadFileText) : report.messages.front());
    session.warnings.clear();
    for (const Message& message : report.messages)
        session.warnings.append(session.warnings.empty() ? "" : "\n").append(message.text);
}

}  // namespace zelkor::bindings
