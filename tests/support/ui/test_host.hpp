#pragma once

#include "data/particle_set.hpp"
#include "state/app_state.hpp"
#include "widgets/page_host.hpp"
#include "widgets/window_links.hpp"
#include "widgets/window_services.hpp"

#include <QMainWindow>

#include <array>
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

// A stand-in for the main window: the seven pages, the menu commands, Edit >
// Copy ("Copy"), the panels and the Edit commands, so that one subsystem's
// windows can be installed and driven without the program around them. What
// they hear is what the test lets them hear (listen), and the links to other
// libraries are empty unless the test fills them.
class TestHost : public QMainWindow, public PageHost {
public:
    explicit TestHost(UserDialogs& dialogs);
    ~TestHost() override;

    WindowServices services();
    // Installed windows hear what their installation says they hear.
    void listen(const Listeners& listeners) { links_.listeners.append(listeners); }
    // A load as the main window runs it: the reset after the check, the angle
    // switch when the kind needs it, the load's listeners after the parse.
    void load(SourceKind kind, const std::filesystem::path& path);
    void showPage(MainPage page);

    QWidget& page(MainPage page) override;
    QAction& command(MenuCommand command) override;
    QWidget& topWindow() override { return *this; }
    void Uklid() override;
    const WindowLinks& links() const override { return links_; }
    WindowLinks& links() { return links_; }

    AppState state;
    ParticleSet set;

private:
    UserDialogs& dialogs_;
    WindowLinks links_;
    QTabWidget* pages_;
    BusyPanel* busy_;
    TransientPanel* copied_;
    std::unique_ptr<EditCommands> edit_;
    std::array<QAction*, kMenuCommandCount> commands_{};
    CopyShortcutHandOver* handOver_;
};

}  // namespace zelkor::test
