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

#include <stdexcept>
#include <string>

namespace zelkor::test {

TestHost::TestHost(UserDialogs& dialogs) : dialogs_(dialogs), pages_(new QTabWidget(this)) {
    setCentralWidget(pages_);
    for (int i = 0; i < kMainPageCount; ++i) pages_->addTab(new QWidget(pages_), QString::number(i));
    busy_ = new BusyPanel(pages_);
    copied_ = new TransientPanel(pages_, "panelCpyToCbr", "Copy to clipboard finished", "timerCpyToCbr");
    edit_ = std::make_unique<EditCommands>(state, dialogs_, *busy_, *copied_);
    edit_->setShownPage([this] { return pages_->currentIndex(); });
    QMenu* menu = menuBar()->addMenu("Commands");
    for (const char* name : {"GenTRIMDAT", "SaveFilteredFile", "SaveTransformedFile", "WinAGILEPointFileEx",
                             "TRANSMITTXTtoTRIMDAT", "Copy"})
        menu->addAction(name)->setObjectName(name);
    handOver_ = new CopyShortcutHandOver(action("Copy"));
    resize(790, 570);
}

TestHost::~TestHost() = default;

WindowServices TestHost::services() { return {state, set, dialogs_, *busy_, *edit_, *handOver_, *this}; }

void TestHost::load(SourceKind kind, const std::filesystem::path& path) {
    bool passed = false;
    const LoadReport report = LoadParticleFile(kind, path, state, set, busy_->progress(), [this, &passed] {
        passed = true;
        for (const auto& reset : hooks_.reset) reset();
        Uklid();
    });
    busy_->finish();
    if (passed)
        for (const auto& loaded : hooks_.loaded) loaded(kind);
    for (const Message& message : report.messages) dialogs_.message(message);
}

QWidget& TestHost::page(MainPage page) { return *pages_->widget(static_cast<int>(page)); }

QAction& TestHost::action(const char* objectName) {
    auto* found = menuBar()->findChild<QAction*>(objectName);
    if (!found) throw std::logic_error(std::string("no menu action ") + objectName);
    return *found;
}

void TestHost::Uklid() { edit_->clearAllSelections(); }

}  // namespace zelkor::test
