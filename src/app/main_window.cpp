#include "app/main_window.hpp"

#include "app/about_box.hpp"
#include "widgets/busy_panel.hpp"
#include "widgets/copy_shortcut_hand_over.hpp"
#include "widgets/edit_commands.hpp"
#include "widgets/pictures.hpp"
#include "widgets/table_view_grid.hpp"
#include "widgets/transient_panel.hpp"
#include "widgets/user_dialogs.hpp"
#include "stats/filter_spectrum.hpp"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>

namespace zelkor {
namespace {

struct PageName {
    const char* objectName;
    const char* caption;
};

constexpr std::array<PageName, kMainPageCount> kPages{{
    {"tabshDataProc", "Data Processing"},
    {"tabshEnergStat", "Energy Statistics"},
    {"tabshMomStat", "Momentum Statistics"},
    {"tabshPosStat", "Position Statistics"},
    {"tabshAngStat", "Angle Statistics"},
    {"tabshEmitt", "Emittance"},
    {"tabshTrans", "Transform"},
}};

}  // namespace

MainWindow::MainWindow(UserDialogs& dialogs, QWidget* parent) : QMainWindow(parent), dialogs_(dialogs) {
    setObjectName("TMainForm");
    setWindowTitle("ZELKOR");
    setWindowIcon(ProgramIcon(32));
    buildPages();
    buildMenus();
    about_ = new AboutBox(this);
    // The start size is the smallest at which every page's controls fit; the
    // window may grow from there.
    setMinimumSize(790, 570);
    resize(790, 570);
    setAcceptDrops(true);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPages() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 0);
    pages_ = new QTabWidget(central);
    pages_->setObjectName("PageControl1");
    // Seven captions in 790 pixels: narrower tabs than the style's own.
    pages_->setStyleSheet("QTabBar::tab { padding: 4px 7px; }");
    layout->addWidget(pages_);
    setCentralWidget(central);

    busy_ = new BusyPanel(central);
    dataAvailable_ =
        new TransientPanel(central, "panelDataAw", "          Data available", "timerDataAv", DataAvailableIcon());
    copied_ = new TransientPanel(central, "panelCpyToCbr", "Copy to clipboard finished", "timerCpyToCbr");
    edit_ = std::make_unique<EditCommands>(state_, dialogs_, *busy_, *copied_);
    edit_->setShownPage([this] { return static_cast<MainPage>(pages_->currentIndex()); });

    for (std::size_t i = 0; i < kPages.size(); ++i) {
        auto* page = new QWidget(pages_);
        page->setObjectName(kPages[i].objectName);
        pages_->addTab(page, kPages[i].caption);
    }
    pages_->setCurrentIndex(0);
    connect(pages_, &QTabWidget::currentChanged, this, &MainWindow::PageControl1Change);
}

WindowServices MainWindow::services() { return {state_, set_, dialogs_, *busy_, *edit_, *copyHandOver_, *this}; }

QAction& MainWindow::command(MenuCommand command) { return *commands_[static_cast<std::size_t>(command)]; }

QAction* MainWindow::addAction(QMenu* menu, const char* name, const QString& text, void (MainWindow::*slot)()) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    if (slot) connect(action, &QAction::triggered, this, slot);
    return action;
}

// The commands of these actions belong to the windows that connect to them.
void MainWindow::addCommand(QMenu* menu, MenuCommand command, const char* name, const QString& text) {
    commands_[static_cast<std::size_t>(command)] = addAction(menu, name, text);
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("menuFile");
    QAction* open = addAction(file, "FileOpenItem", "Open", &MainWindow::FileOpen);
    open->setStatusTip("Open an existing file");
    open->setToolTip("Open an existing file");
    QMenu* generate = file->addMenu("Generate");
    addCommand(generate, MenuCommand::GenerateTrimDat, "GenTRIMDAT", "TRIM.DAT");
    QMenu* save = file->addMenu("Save");
    addCommand(save, MenuCommand::SaveFilteredFile, "SaveFilteredFile", "Filtered File");
    addCommand(save, MenuCommand::SaveTransformedFile, "SaveTransformedFile", "Transformed File");
    QMenu* import = file->addMenu("Import");
    addAction(import, "WinAGILEPointFileIm", "WinAGILE Point File", &MainWindow::WinAGILEPointFileImClick);
    addAction(import, "ImpTRIMDAT", "TRIM.DAT", &MainWindow::ImpTRIMDATClick);
    QMenu* exportMenu = file->addMenu("Export");
    addCommand(exportMenu, MenuCommand::ExportWinAgile, "WinAGILEPointFileEx", "TRANSMIT.TXT to WinAGILE Point File");
    addCommand(exportMenu, MenuCommand::ExportTrimDat, "TRANSMITTXTtoTRIMDAT", "TRANSMIT.TXT to TRIM.DAT");
    addCommand(file, MenuCommand::CompareRuns, "CompareRuns", "Compare Runs...");
    file->addSeparator();
    addAction(file, "menubtnExit", "Exit", &MainWindow::menubtnExitClick);

    QMenu* edit = menuBar()->addMenu("Edit");
    edit->setObjectName("menuEdit");
    QAction* copy = edit->addAction("Copy");
    copy->setObjectName("Copy");
    copy->setShortcut(QKeySequence("Ctrl+C"));
    edit->addSeparator();
    QAction* selectAll = edit->addAction("Select All");
    selectAll->setObjectName("SelectAll");
    selectAll->setShortcut(QKeySequence("Ctrl+A"));
    QAction* selectColumns = edit->addAction("Select Columns");
    selectColumns->setObjectName("Selectcolumn");
    selectColumns->setShortcut(QKeySequence("Ctrl+S"));
    QAction* deselect = edit->addAction("Deselect All");
    deselect->setObjectName("DeselectAll");
    deselect->setShortcut(QKeySequence("Ctrl+D"));
    connect(copy, &QAction::triggered, this, [this] { edit_->CopyClick(); });
    connect(selectAll, &QAction::triggered, this, [this] { edit_->SelectAllClick(); });
    connect(selectColumns, &QAction::triggered, this, [this] { edit_->SelectcolumnClick(); });
    connect(deselect, &QAction::triggered, this, [this] { edit_->DeselectAllClick(); });
    copyHandOver_ = new CopyShortcutHandOver(*copy);

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("menuHelp");
    QAction* about = addAction(help, "HelpAboutItem", "&About...", &MainWindow::HelpAboutItemClick);
    about->setStatusTip("Show program information");
    about->setToolTip("Show program information");
    statusBar();
}

QWidget& MainWindow::page(MainPage page) { return *pages_->widget(static_cast<int>(page)); }

void MainWindow::centreOnScreen() {
    resize(790, 570);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
}

void MainWindow::Cisti() {
    busy_->start();
    links_.listeners.resetForLoad();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    Uklid();
}

void MainWindow::Povol() { links_.listeners.switchAngleChoices(true); }

void MainWindow::Pozastav() { links_.listeners.switchAngleChoices(false); }

void MainWindow::Uklid() { edit_->clearAllSelections(); }

void MainWindow::PageControl1Change(int index) {
    // Every page starts from all ions accepted; only the energy page's committed filter comes back.
    if (index == static_cast<int>(MainPage::EnergStat))
        ApplyPageChange(state_, set_, StatPage::Energy);
    else
        AcceptAll(set_);
}

void MainWindow::menubtnExitClick() { close(); }

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program, whatever other window is open.
    event->accept();
    QCoreApplication::quit();
}

void MainWindow::HelpAboutItemClick() {
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::showMessages(const std::vector<Message>& messages) {
    for (const Message& message : messages) dialogs_.message(message);
}

}  // namespace zelkor
