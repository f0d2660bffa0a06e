#pragma once

#include "app/page_services.hpp"

#include "app/main_page.hpp"
#include "app/window_hooks.hpp"
#include "data/app_state.hpp"
#include "data/message.hpp"
#include "data/particle_set.hpp"

#include <QMainWindow>

#include <memory>
#include <vector>

class QAction;
class QTabWidget;

namespace zelkor {

class AboutBox;
class BusyPanel;
class CopyShortcutHandOver;
class DataPage;
class EditCommands;
class TransientPanel;
class UserDialogs;
class XCoordinateWindow;
struct FileDialogSetup;

// TMainForm: owns the particle set and the application state for the whole
// run, and runs the File, Edit and Help commands over them.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    AppState& state() { return state_; }
    ParticleSet& set() { return set_; }
    // Where later pages and windows join the reset and the data page's buttons.
    WindowHooks& hooks() { return hooks_; }
    // Where grids join the Edit menu.
    EditCommands& edit() { return *edit_; }
    // Where input fields join the Ctrl+C hand-over.
    CopyShortcutHandOver& copyHandOver() { return *copyHandOver_; }
    QWidget& page(MainPage page);
    DataPage& dataPage() { return *dataPage_; }
    BusyPanel& busyPanel() { return *busy_; }
    PageServices pageServices() { return {state_, set_, dialogs_, *busy_}; }
    XCoordinateWindow& xCoordinateWindow() { return *xCoordinate_; }
    AboutBox& aboutBox() { return *about_; }

    // 790 x 570 in the middle of the screen.
    void centreOnScreen();

public slots:
    void FileOpen();
    void ImpTRIMDATClick();
    void WinAGILEPointFileImClick();
    void SaveFilteredFileClick();
    void WinAGILEPointFileExClick();
    void TRANSMITTXTtoTRIMDATClick();
    // timerXCoor fired: the export dialog and the write of the TRIM.DAT conversion.
    void exportTrimDatAfterXCoordinate();
    void menubtnExitClick();
    void HelpAboutItemClick();
    void PageControl1Change(int index);

    // The window's part of the reset before a load (the state's part is the core's).
    void Cisti();
    void Povol();
    void Pozastav();
    void Uklid();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPages();
    void buildMenus();
    QAction* addAction(QMenu* menu, const char* name, const QString& text, void (MainWindow::*slot)());
    void loadFile(SourceKind kind, const FileDialogSetup& dialog);
    void showMessages(const std::vector<Message>& messages);

    AppState state_;
    ParticleSet set_;
    UserDialogs& dialogs_;
    WindowHooks hooks_;
    QTabWidget* pages_ = nullptr;
    DataPage* dataPage_ = nullptr;
    BusyPanel* busy_ = nullptr;
    TransientPanel* dataAvailable_ = nullptr;
    TransientPanel* copied_ = nullptr;
    std::unique_ptr<EditCommands> edit_;
    CopyShortcutHandOver* copyHandOver_ = nullptr;
    AboutBox* about_ = nullptr;
    XCoordinateWindow* xCoordinate_ = nullptr;
};

} // namespace zelkor
