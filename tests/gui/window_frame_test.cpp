// The frame of the program: start-up windows, pages, menus, panels, about box.
#include "app/about_box.hpp"
#include "widgets/busy_panel.hpp"
#include "widgets/qt_user_dialogs.hpp"
#include "app/splash.hpp"
#include "window_fixture.hpp"

#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

namespace zelkor::test {
namespace {

using WindowFrame = WindowTest;

TEST_F(WindowFrame, MainWindowHasItsCaptionSizeAndSevenPagesInOrder) {
    EXPECT_EQ(window.windowTitle(), "ZELKOR");
    EXPECT_EQ(window.size(), QSize(790, 570));
    auto& pages = child<QTabWidget>("PageControl1");
    QStringList captions;
    for (int i = 0; i < pages.count(); ++i) captions << pages.tabText(i);
    EXPECT_EQ(captions, (QStringList{"Data Processing", "Energy Statistics", "Momentum Statistics",
                                     "Position Statistics", "Angle Statistics", "Emittance", "Transform"}));
    EXPECT_EQ(pages.currentIndex(), 0);
    EXPECT_EQ(pages.widget(6)->objectName(), "tabshTrans");
}

TEST_F(WindowFrame, DataPageStartsWithItsViewsHidden) {
    for (const char* name :
         {"strgDataProc", "memHeader", "imgCoordSys", "panelPlsWait", "panelDataAw", "panelCpyToCbr"})
        EXPECT_TRUE(child<QWidget>(name).isHidden()) << name;
    EXPECT_EQ(countText(), "");
    for (const auto& [name, caption] :
         std::vector<std::pair<const char*, QString>>{{"btnPreview", "Preview"},
                                                      {"btnHeader", "Header"},
                                                      {"btnRelPar", "Relativistic Parameters"},
                                                      {"btnPosition", "Position"},
                                                      {"btnAngles", "Angles"},
                                                      {"btnCoorSys", "View co-ordinate system"}})
        EXPECT_EQ(child<QPushButton>(name).text(), caption);
}

TEST_F(WindowFrame, MenusCarryTheirEntriesShortcutsAndHints) {
    QStringList menus;
    for (QAction* action : window.menuBar()->actions()) menus << action->text();
    EXPECT_EQ(menus, (QStringList{"&File", "Edit", "&Help"}));
    EXPECT_EQ(child<QAction>("Copy").shortcut(), QKeySequence("Ctrl+C"));
    EXPECT_EQ(child<QAction>("SelectAll").shortcut(), QKeySequence("Ctrl+A"));
    EXPECT_EQ(child<QAction>("Selectcolumn").shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(child<QAction>("DeselectAll").shortcut(), QKeySequence("Ctrl+D"));
    EXPECT_EQ(child<QAction>("FileOpenItem").statusTip(), "Open an existing file");
    EXPECT_EQ(child<QAction>("HelpAboutItem").text(), "&About...");
    EXPECT_EQ(child<QAction>("HelpAboutItem").statusTip(), "Show program information");
    for (const char* name : {"GenTRIMDAT", "SaveFilteredFile", "SaveTransformedFile", "WinAGILEPointFileIm",
                             "ImpTRIMDAT", "WinAGILEPointFileEx", "TRANSMITTXTtoTRIMDAT", "CompareRuns", "menubtnExit"})
        EXPECT_NO_THROW(child<QAction>(name)) << name;
}

TEST_F(WindowFrame, BusyPanelRepaintsAtMostEvery30MsAndStepsTheBar) {
    BusyPanel& busy = window.services().busy;
    busy.start();
    EXPECT_TRUE(busy.isVisible());
    busy.progress().advance(5);
    busy.progress().advance(99);
    EXPECT_EQ(child<QProgressBar>("prgsbarPlsWait").value(), 100);

    int timerShots = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&timerShots] { ++timerShots; });
    ticker.start(0);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 200) busy.progress().yield();
    EXPECT_GT(timerShots, 0);             // events were processed during the pass
    EXPECT_LT(timerShots, 200 / 30 + 3);  // but only every ~30 ms
    busy.finish();
    EXPECT_FALSE(busy.isVisible());
    EXPECT_EQ(child<QProgressBar>("prgsbarPlsWait").value(), 0);
}

TEST_F(WindowFrame, AboutBoxShowsWithoutBlockingAndCloses) {
    trigger("HelpAboutItem");
    AboutBox& about = window.aboutBox();
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(about.isModal());
    EXPECT_EQ(about.windowTitle(), "About ZELKOR");
    EXPECT_EQ(Control<QLabel>(about, "ProductName").text(), "ZELKOR");
    EXPECT_TRUE(Control<QLabel>(about, "ProductName").font().bold());
    EXPECT_EQ(Control<QLabel>(about, "Version").text(), "Version 1.0");
    EXPECT_EQ(Control<QLabel>(about, "Comments").text(), "Program for processing data from TRANSMIT.TXT files");
    auto& close = Control<QPushButton>(about, "OKButton");
    EXPECT_EQ(close.text(), "Close");
    EXPECT_TRUE(close.isDefault());
    close.click();
    EXPECT_FALSE(about.isVisible());
}

TEST(Splash, IsBorderless384By288AndHandsOverOnceAfterFiveSeconds) {
    SplashWindow splash;
    EXPECT_EQ(splash.size(), QSize(384, 288));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(Control<QLabel>(splash, "Image1").pixmap().size(), QSize(380, 285));
    EXPECT_TRUE(splash.timer().isActive());
    EXPECT_EQ(splash.timer().interval(), 5000);
    QSignalSpy finished(&splash, &SplashWindow::finished);
    splash.Timer1Timer();
    EXPECT_FALSE(splash.timer().isActive());
    EXPECT_EQ(finished.count(), 1);
}

TEST(QtDialogs, FiltersBecomeQtNameFilters) {
    EXPECT_EQ(QtNameFilter("Text File|*.txt"), "Text File (*.txt)");
    EXPECT_EQ(QtNameFilter("TRIM.DAT|*.dat|All|*.*"), "TRIM.DAT (*.dat);;All (*.*)");
}

}  // namespace
}  // namespace zelkor::test
