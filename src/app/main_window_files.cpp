// The File menu's three load commands, and files given on the command line or dropped.
#include "app/main_window.hpp"

#include "data/kind_words.hpp"
#include "widgets/busy_panel.hpp"
#include "widgets/file_dialog_setups.hpp"
#include "widgets/transient_panel.hpp"
#include "widgets/user_dialogs.hpp"
#include "state/load_file.hpp"
#include "data/platform/utf8_path.hpp"
#include "widgets/qt_paths.hpp"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace zelkor {
namespace {

std::vector<std::filesystem::path> LocalFiles(const QMimeData* data) {
    std::vector<std::filesystem::path> paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths.push_back(PathFromQString(url.toLocalFile()));
    return paths;
}

}  // namespace

void MainWindow::FileOpen() { loadFile(SourceKind::TransmitTxt, OpenDialog()); }

void MainWindow::ImpTRIMDATClick() { loadFile(SourceKind::TrimDat, ImportDialog(kTrimDatExtension, kTrimDatFilter)); }

void MainWindow::WinAGILEPointFileImClick() {
    loadFile(SourceKind::WinAgile, ImportDialog(kWinAgileExtension, kWinAgileFilter));
}

void MainWindow::loadFile(SourceKind kind, const FileDialogSetup& dialog) {
    const auto path = dialogs_.openFile(dialog);
    if (path) loadPath(kind, *path);
}

void MainWindow::loadPath(SourceKind kind, const std::filesystem::path& path) {
    const bool anglesWereEnabled = state_.angleControlsEnabled;
    bool passedCheck = false;
    const LoadReport report = LoadParticleFile(kind, path, state_, set_, busy_->progress(), [this, &passedCheck] {
        passedCheck = true;
        Cisti();
    });
    if (!passedCheck) {
        // Rejected or not opened: the set, the grids and the title stay as they were.
        showMessages(report.messages);
        return;
    }
    if (state_.angleControlsEnabled != anglesWereEnabled) state_.angleControlsEnabled ? Povol() : Pozastav();
    setWindowTitle("ZELKOR - " + QStringFromPath(path));
    busy_->finish();
    dataAvailable_->showForAWhile();
    links_.listeners.loaded(kind);
    showMessages(report.messages);
}

void MainWindow::openFiles(const std::vector<std::filesystem::path>& paths) {
    if (paths.empty()) return;
    const std::filesystem::path& first = paths.front();
    if (const auto kind = SourceKindFromExtension(first)) {
        // The title shows the full path, as after a file dialog.
        std::error_code error;
        const auto absolute = std::filesystem::absolute(first, error);
        loadPath(*kind, error ? first : absolute);
    } else {
        dialogs_.message(ErrorMessage("ZELKOR cannot tell what kind of file " +
                                      platform::Utf8FromPath(first.filename()) +
                                      " is. It opens TRANSMIT.TXT (.txt), TRIM.DAT (.dat) and WinAGILE "
                                      "point files (.pnt)."));
    }
    if (paths.size() > 1)
        dialogs_.message({"ZELKOR holds one set of ions at a time: only " + platform::Utf8FromPath(first.filename()) +
                              " was taken, the other files were not opened.",
                          "Information", MessageIcon::Information});
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    // A drop while a pass runs would load over the set being read.
    if (busy_->isVisible()) return;
    if (!LocalFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const auto paths = LocalFiles(event->mimeData());
    if (paths.empty() || busy_->isVisible()) return;
    event->acceptProposedAction();
    openFiles(paths);
}

}  // namespace zelkor
