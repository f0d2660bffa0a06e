#include "support/ui/test_host.hpp"

#include "state/load_file.hpp"
#include "widgets/busy_panel.hpp"
#include "widgets/copy_shortcut_hand_over.hpp"
#include "widgets/edit_commands.hpp"
#include "widgets/transient_panel.hpp"
#include "widgets/user_dialogs.hpp"

#include <QAction>
#include <QMenuBar>
#include <QTabWidget>

namespace zelkor::test {

TestHost::TestHost(UserDialogs& dialogs) : dialogs_(dialogs), pages_(new QTabWidget(this)) {
    setCentralWidget(pages_);
    for (int i = 0; i < kMainPageCount; ++i) pages_->addTab(new QWidget(pages_), QString::number(i));
    busy_ = new BusyPanel(pages_);
    copied_ = new TransientPanel(pages_, "panelCpyToCbr", "Copy to clipboard finished", "timerCpyToCbr");
    edit_ = std::make_unique<EditCommands>(state, dialogs_, *busy_, *copied_);
    edit_->setShownPage([this] { return static_cast<MainPage>(pages_->currentIndex()); });
    QMenu* menu = menuBar()->addMenu("Commands");
    for (QAction*& action : commands_) action = menu->addAction("command");
    QAction* copy = menu->addAction("Copy");
    copy->setObjectName("Copy");
    copy->setShortcut(QKeySequence("Ctrl+C"));
    connect(copy, &QAction::triggered, this, [this] { edit_->CopyClick(); });
    handOver_ = new CopyShortcutHandOver(*copy);
    resize(790, 570);
}

TestHost::~TestHost() = default;

WindowServices TestHost::services() { return {state, set, dialogs_, *busy_, *edit_, *handOver_, *this}; }

void TestHost::load(SourceKind kind, const std::filesystem::path& path) {
    const bool anglesWereEnabled = state.angleControlsEnabled;
    bool passed = false;
    const LoadReport report = LoadParticleFile(kind, path, state, set, busy_->progress(), [this, &passed] {
        passed = true;
        links_.listeners.resetForLoad();
        Uklid();
    });
    busy_->finish();
    if (passed) {
        if (state.angleControlsEnabled != anglesWereEnabled)
            links_.listeners.switchAngleChoices(state.angleControlsEnabled);
        links_.listeners.loaded(kind);
    }
    for (const Message& message : report.messages) dialogs_.message(message);
}

void TestHost::showPage(MainPage page) { pages_->setCurrentIndex(static_cast<int>(page)); }

QWidget& TestHost::page(MainPage page) { return *pages_->widget(static_cast<int>(page)); }

QAction& TestHost::command(MenuCommand command) { return *commands_[static_cast<std::size_t>(command)]; }

void TestHost::Uklid() { edit_->clearAllSelections(); }

}  // namespace zelkor::test
