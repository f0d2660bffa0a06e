#pragma once

#include "widgets/user_dialogs.hpp"

#include <string>

namespace zelkor {

// The main window's four file dialogs as set at start; the commands that use
// another extension and filter pass them in.
inline FileDialogSetup OpenDialog() { return {"Open", "Text File|*.txt", "", true, false}; }

inline FileDialogSetup SaveDialog(std::string extension = ".txt", std::string filter = "Text File|*.txt") {
    return {"Save", std::move(filter), std::move(extension), false, true};
}

inline FileDialogSetup ImportDialog(std::string extension, std::string filter) {
    return {"Import", std::move(filter), std::move(extension), true, false};
}

inline FileDialogSetup ExportDialog(std::string extension, std::string filter) {
    return {"Export", std::move(filter), std::move(extension), false, true};
}

inline constexpr const char* kWinAgileExtension = ".pnt";
inline constexpr const char* kWinAgileFilter = "WinAGILE Point File|*.pnt";
inline constexpr const char* kTrimDatExtension = ".dat";
inline constexpr const char* kTrimDatFilter = "TRIM.DAT|*.dat";

}  // namespace zelkor
