#include "io/file_commands.hpp"

#include "data/srim_format.hpp"
#include "data/user_number.hpp"
#include "io/write_transmit_txt.hpp"
#include "io/write_trim_dat.hpp"
#include "io/write_winagile_point.hpp"

namespace zelkor {

std::optional<Message> CheckCanSaveFiltered(const AppState& state) {
    if (state.sourceKind == SourceKind::None) return ErrorMessage(kNoDataText);
    return std::nullopt;
}

SaveDialogSetup SaveFilteredDialog(SourceKind kind) {
    switch (kind) {
        case SourceKind::TrimDat: return {".dat", "TRIM.DAT|*.dat"};
        case SourceKind::WinAgile: return {".pnt", "WinAGILE Point File|*.pnt"};
        case SourceKind::TransmitTxt:
        case SourceKind::None: break;
    }
    return {".txt", "Text File|*.txt"};
}

std::optional<Message> SaveFilteredFile(const std::filesystem::path& path, const ParticleSet& set,
                                        const AppState& state, Progress& progress) {
    switch (state.sourceKind) {
        case SourceKind::None: return ErrorMessage(kNoDataText);
        case SourceKind::TransmitTxt:
            return WriteTransmitTxt(path, set, state.headerLine, state.atomZ, 1, 2, kCannotOpenText, progress);
        case SourceKind::TrimDat:
            return WriteTrimDat(path, set, state.headerLine, state.atomZ, 1, 2, std::nullopt, kCannotSaveText,
                                progress);
        case SourceKind::WinAgile:
            return WriteWinAgilePoint(path, set, PointFileSource::WinAgile, kCannotOpenText, progress);
    }
    return ErrorMessage(kNoDataText);
}

std::optional<Message> CheckCanExportTransmit(const AppState& state) {
    if (state.sourceKind == SourceKind::None) return ErrorMessage(kNoDataText);
    if (state.sourceKind != SourceKind::TransmitTxt) return WarningMessage(kOnlyTransmitText);
    return std::nullopt;
}

std::optional<Message> ExportTransmitToWinAgile(const std::filesystem::path& path, const ParticleSet& set,
                                                Progress& progress) {
    return WriteWinAgilePoint(path, set, PointFileSource::TransmitTxt, kCannotExportText, progress);
}

std::variant<double, Message> ValidateSetX(const std::string& text) {
    if (text.empty()) return ErrorMessage("Missing value Set X co-ordinate");
    const std::optional<double> value = ParseUserReal(text);
    if (!value || *value < 0.0) return ErrorMessage("Value Set X co-ordinate must be real number >= 0");
    return *value;
}

std::optional<Message> ExportTransmitToTrimDat(const std::filesystem::path& path, const ParticleSet& set,
                                               const AppState& state, std::optional<double> fixedX,
                                               Progress& progress) {
    return WriteTrimDat(path, set, std::string(transmit_txt::kKeptLinePrefix) + state.headerLine, state.atomZ, 3, 2,
                        fixedX, kCannotExportText, progress);
}

}  // namespace zelkor
