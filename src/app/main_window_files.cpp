// The File menu's commands: the three loads, Save > Filtered File and the two exports.
#include "app/main_window.hpp"

#include "app/busy_panel.hpp"
#include "app/data_page.hpp"
#include "app/file_dialog_setups.hpp"
#include "app/transient_panel.hpp"
#include "app/user_dialogs.hpp"
#include "app/x_coordinate_window.hpp"
#include "data/load_file.hpp"
#include "io/file_commands.hpp"

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
    dataPage_->showParticleCount(set_.count);
    for (const auto& loaded : hooks_.loaded) loaded(kind);
    showMessages(report.messages);
}

void MainWindow::SaveFilteredFileClick() {
    if (const auto refusal = CheckCanSaveFiltered(state_)) return dialogs_.message(*refusal);
    const SaveDialogSetup kindSetup = SaveFilteredDialog(state_.sourceKind);
    const auto path = dialogs_.saveFile(SaveDialog(kindSetup.defaultExtension, kindSetup.filter));
    if (!path) return;
    busy_->start();
    const auto failure = SaveFilteredFile(*path, set_, state_, busy_->progress());
    busy_->finish();
    if (failure) dialogs_.message(*failure);
}

void MainWindow::WinAGILEPointFileExClick() {
    if (const auto refusal = CheckCanExportTransmit(state_)) return dialogs_.message(*refusal);
    const auto path = dialogs_.saveFile(ExportDialog(kWinAgileExtension, kWinAgileFilter));
    if (!path) return;
    busy_->start();
    const auto failure = ExportTransmitToWinAgile(*path, set_, busy_->progress());
    busy_->finish();
    if (failure) dialogs_.message(*failure);
}

void MainWindow::TRANSMITTXTtoTRIMDATClick() {
    if (const auto refusal = CheckCanExportTransmit(state_)) return dialogs_.message(*refusal);
    xCoordinate_->prepare();
    xCoordinate_->exec();
}

void MainWindow::exportTrimDatAfterXCoordinate() {
    // The set may have been replaced since OK was pressed; it must still be a TRANSMIT.TXT set.
    if (const auto refusal = CheckCanExportTransmit(state_)) return dialogs_.message(*refusal);
    const auto path = dialogs_.saveFile(ExportDialog(kTrimDatExtension, kTrimDatFilter));
    if (!path) return;
    busy_->start();
    const auto failure = ExportTransmitToTrimDat(*path, set_, state_, xCoordinate_->fixedX(), busy_->progress());
    busy_->finish();
    if (failure) dialogs_.message(*failure);
}

} // namespace zelkor
