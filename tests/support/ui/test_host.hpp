#pragma once

#include "data/particle_set.hpp"
#include "state/app_state.hpp"
#include "widgets/page_host.hpp"
#include "widgets/window_hooks.hpp"
#include "widgets/window_services.hpp"

#include <QMainWindow>

#include <filesystem>
#include <memory>

class QTabWidget;

namespace zelkor {
class BusyPanel;
class EditCommands;
class TransientPanel;
class UserDialogs;
}  // namespace zelkor

namespace zelkor::test {

// A stand-in for the main window: the seven pages, the named menu actions,
// the panels and the Edit commands, so that one subsystem's windows can be
// installed and driven without the program around them.
class TestHost : public QMainWindow, public PageHost {
public:
    explicit TestHost(UserDialogs& dialogs);
    ~TestHost() override;

    WindowServices services();
    // A load as the main window runs it: the reset hooks after the check, the loaded hooks after the parse.
    void load(SourceKind kind, const std::filesystem::path& path);

    QWidget& page(MainPage page) override;
    QAction& action(const char* objectName) override;
    QWidget& topWindow() override { return *this; }
    void Uklid() override;
    WindowHooks& hooks() override { return hooks_; }

    AppState state;
    ParticleSet set;

private:
    UserDialogs& dialogs_;
    WindowHooks hooks_;
    QTabWidget* pages_;
    BusyPanel* busy_;
    TransientPanel* copied_;
    std::unique_ptr<EditCommands> edit_;
    CopyShortcutHandOver* handOver_;
};

}  // namespace zelkor::test
