#pragma once

#include "data/message.hpp"
#include "data/particle_set.hpp"
#include "state/app_state.hpp"
#include "widgets/page_host.hpp"
#include "widgets/window_links.hpp"
#include "widgets/window_services.hpp"

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <memory>
#include <vector>

class QAction;
class QTabWidget;

namespace zelkor {

class AboutBox;
class BusyPanel;
class CopyShortcutHandOver;
class EditCommands;
class TransientPanel;
class UserDialogs;
struct FileDialogSetup;

// TMainForm: owns the particle set and the application state for the whole
// run, the frame (pages, menus, panels) and the load commands. The pages'
// contents and the other windows join through PageHost (see compose.hpp).
class MainWindow : public QMainWindow, public PageHost {
    Q_OBJECT
public:
    explicit MainWindow(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    AppState& state() { return state_; }
    ParticleSet& set() { return set_; }
    // What every subsystem's windows are given.
    WindowServices services();
    AboutBox& aboutBox() { return *about_; }

    QWidget& page(MainPage page) override;
    QAction& command(MenuCommand command) override;
    QWidget& topWindow() override { return *this; }
    void Uklid() override;
    const WindowLinks& links() const override { return links_; }
    // Filled by Compose once every subsystem is installed.
    WindowLinks& links() { return links_; }

    // 790 x 570 in the middle of the screen.
    void centreOnScreen();

    // Files named on the command line or dropped on the window: the first is
    // loaded as its extension says, through the same steps as the menu's
    // load commands; one set is held at a time, so the rest are not.
    void openFiles(const std::vector<std::filesystem::path>& paths);

public slots:
    void FileOpen();
    void ImpTRIMDATClick();
    void WinAGILEPointFileImClick();
    void menubtnExitClick();
    void HelpAboutItemClick();
    void PageControl1Change(int index);

    // A few helpers keep the short Czech names the program inherited:
    //   Cisti     ("clean")       the window's part of the reset before a load
    //                             (the state's part is the core's ResetForLoad);
    //   Uklid     ("tidy up")     every grid selection to no cell, no copy target;
    //   Povol     ("allow")       the angle X, Y, Z choices enabled, ang X selected;
    //   Pozastav  ("suspend")     the same choices disabled, dY/dX selected (a point file);
    //   Necopiruj ("don't copy")  Ctrl+C taken from Edit > Copy while an input field has the focus,
    //   Copiruj   ("copy")        and given back when it loses it (CopyShortcutHandOver).
    void Cisti();
    void Povol();
    void Pozastav();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildPages();
    void buildMenus();
    QAction* addAction(QMenu* menu, const char* name, const QString& text, void (MainWindow::*slot)() = nullptr);
    void addCommand(QMenu* menu, MenuCommand command, const char* name, const QString& text);
    void loadFile(SourceKind kind, const FileDialogSetup& dialog);
    void loadPath(SourceKind kind, const std::filesystem::path& path);
    void showMessages(const std::vector<Message>& messages);

    AppState state_;
    ParticleSet set_;
    UserDialogs& dialogs_;
    WindowLinks links_;
    std::array<QAction*, kMenuCommandCount> commands_{};
    QTabWidget* pages_ = nullptr;
    BusyPanel* busy_ = nullptr;
    TransientPanel* dataAvailable_ = nullptr;
    TransientPanel* copied_ = nullptr;
    std::unique_ptr<EditCommands> edit_;
    CopyShortcutHandOver* copyHandOver_ = nullptr;
    AboutBox* about_ = nullptr;
};

}  // namespace zelkor
