#pragma once

// The file commands that write the current set, as the main window and the
// batch tool run them after their file dialogs: the kind checks, the writer
// and its parameters, the messages.

#include "state/app_state.hpp"
#include "data/message.hpp"
#include "data/particle_set.hpp"
#include "data/progress.hpp"

#include <filesystem>
#include <optional>
#include <string>
#include <variant>

namespace zelkor {

// What a save dialog offers for a kind.
struct SaveDialogSetup {
    std::string defaultExtension;  // ".txt"
    std::string filter;            // "Text File|*.txt"
};

// Refusal before the dialog: "No data available! ..." without a set.
std::optional<Message> CheckCanSaveFiltered(const AppState& state);
SaveDialogSetup SaveFilteredDialog(SourceKind kind);
// Save > Filtered File: the accepted ions in the layout they came from.
std::optional<Message> SaveFilteredFile(const std::filesystem::path& path, const ParticleSet& set,
                                        const AppState& state, Progress& progress = NoProgress());

// Refusal of the two TRANSMIT.TXT exports for any other kind.
std::optional<Message> CheckCanExportTransmit(const AppState& state);

// Export > TRANSMIT.TXT to WinAGILE Point File.
std::optional<Message> ExportTransmitToWinAgile(const std::filesystem::path& path, const ParticleSet& set,
                                                Progress& progress = NoProgress());

// The "X co-ordinate" window's edit, validated in both modes: the value in
// Angstrom, or the message to show.
std::variant<double, Message> ValidateSetX(const std::string& text);

// Export > TRANSMIT.TXT to TRIM.DAT: each ion keeps its depth unless fixedX
// places them all at one depth.
std::optional<Message> ExportTransmitToTrimDat(const std::filesystem::path& path, const ParticleSet& set,
                                               const AppState& state, std::optional<double> fixedX,
                                               Progress& progress = NoProgress());

}  // namespace zelkor
