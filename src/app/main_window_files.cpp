// The File menu's three load commands.
#include "app/main_window.hpp"

#include "widgets/busy_panel.hpp"
#include "widgets/file_dialog_setups.hpp"
#include "widgets/transient_panel.hpp"
#include "widgets/user_dialogs.hpp"
#include "state/load_file.hpp"

namespace zelkor {

void MainWindow::FileOpen() { loadFile(SourceKind::TransmitTxt, OpenDialog()); }

void MainWindow::ImpTRIMDATClick() {
    loadFile(SourceKind::TrimDat, ImportDialog(kTrimDatExtension, kTrimDatFilter));
}

void MainWindow::WinAGILEPointFileImClick() {
    loadFile(SourceKind::WinAgile, ImportDialog(kWinAgileExtension, kWinAgileFilter));
}

void MainWindow::loadFile(SourceKind kind, const FileDialogSetup& dialog) {
    const auto path = dialogs_.openFile(dialog);
    if (!path) return;
    const bool anglesWereEnabled = state_.angleControlsEnabled;
    bool passedCheck = false;
    const LoadReport report = LoadParticleFile(kind, *path, state_, set_, busy_->progress(), [this, &passedCheck] {
        passedCheck = true;
        Cisti();
    });
    if (!passedCheck) {
        // Rejected or not opened: the set, the grids and the title stay as they were.
        showMessages(report.messages);
        return;
    }
    if (state_.angleControlsEnabled != anglesWereEnabled) state_.angleControlsEnabled ? Povol() : Pozastav();
    setWindowTitle("ZELKOR - " + QString::fromStdString(path->string()));
    busy_->finish();
    dataAvailable_->showForAWhile();
    for (const auto& loaded : hooks_.loaded) loaded(kind);
    showMessages(report.messages);
}

} // namespace zelkor
