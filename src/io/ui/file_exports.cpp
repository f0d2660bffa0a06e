#include "io/ui/file_exports.hpp"

#include "io/file_commands.hpp"
#include "io/ui/x_coordinate_window.hpp"
#include "state/app_state.hpp"
#include "widgets/busy_panel.hpp"
#include "widgets/file_dialog_setups.hpp"
#include "widgets/page_host.hpp"
#include "widgets/user_dialogs.hpp"

#include <QAction>

namespace zelkor {

FileExports::FileExports(const WindowServices& services, QObject* parent)
    : QObject(parent),
      services_(services),
      xCoordinate_(new XCoordinateWindow(services.dialogs, &services.host.topWindow())) {
    setObjectName("FileExports");
    connect(xCoordinate_, &XCoordinateWindow::exportRequested, this, &FileExports::exportTrimDatAfterXCoordinate);
}

void FileExports::SaveFilteredFileClick() {
    const AppState& state = services_.state;
    if (const auto refusal = CheckCanSaveFiltered(state)) return services_.dialogs.message(*refusal);
    const SaveDialogSetup kindSetup = SaveFilteredDialog(state.sourceKind);
    const auto path = services_.dialogs.saveFile(SaveDialog(kindSetup.defaultExtension, kindSetup.filter));
    if (!path) return;
    services_.busy.start();
    const auto failure = SaveFilteredFile(*path, services_.set, state, services_.busy.progress());
    services_.busy.finish();
    if (failure) services_.dialogs.message(*failure);
}

void FileExports::WinAGILEPointFileExClick() {
    if (const auto refusal = CheckCanExportTransmit(services_.state)) return services_.dialogs.message(*refusal);
    const auto path = services_.dialogs.saveFile(ExportDialog(kWinAgileExtension, kWinAgileFilter));
    if (!path) return;
    services_.busy.start();
    const auto failure = ExportTransmitToWinAgile(*path, services_.set, services_.busy.progress());
    services_.busy.finish();
    if (failure) services_.dialogs.message(*failure);
}

void FileExports::TRANSMITTXTtoTRIMDATClick() {
    if (const auto refusal = CheckCanExportTransmit(services_.state)) return services_.dialogs.message(*refusal);
    xCoordinate_->prepare();
    xCoordinate_->exec();
}

void FileExports::exportTrimDatAfterXCoordinate() {
    // The set may have been replaced since OK was pressed; it must still be a TRANSMIT.TXT set.
    if (const auto refusal = CheckCanExportTransmit(services_.state)) return services_.dialogs.message(*refusal);
    const auto path = services_.dialogs.saveFile(ExportDialog(kTrimDatExtension, kTrimDatFilter));
    if (!path) return;
    services_.busy.start();
    const auto failure = ExportTransmitToTrimDat(*path, services_.set, services_.state, xCoordinate_->fixedX(),
                                                 services_.busy.progress());
    services_.busy.finish();
    if (failure) services_.dialogs.message(*failure);
}

FileExports& InstallFileExports(const WindowServices& services) {
    PageHost& host = services.host;
    auto* exports = new FileExports(services, &host.topWindow());
    QObject::connect(&host.command(MenuCommand::SaveFilteredFile), &QAction::triggered, exports,
                     &FileExports::SaveFilteredFileClick);
    QObject::connect(&host.command(MenuCommand::ExportWinAgile), &QAction::triggered, exports,
                     &FileExports::WinAGILEPointFileExClick);
    QObject::connect(&host.command(MenuCommand::ExportTrimDat), &QAction::triggered, exports,
                     &FileExports::TRANSMITTXTtoTRIMDATClick);
    return *exports;
}

}  // namespace zelkor
