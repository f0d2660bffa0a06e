// Files given on the command line or dropped on the main window, and the start-up that opens them.
#include "app/command_line.hpp"
#include "app/splash.hpp"
#include "app/start_up.hpp"
#include "state/licence_notice.hpp"
#include "window_fixture.hpp"

#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace zelkor::test {
namespace {

using OpeningFiles = WindowTest;

bool Drop(QWidget& window, const std::vector<std::filesystem::path>& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const auto& path : paths) urls.append(QUrl::fromLocalFile(QString::fromStdString(path.string())));
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    return true;
}

TEST(CommandLine, OptionsFilesAndMistakes) {
    using Action = CommandLine::Action;
    EXPECT_EQ(ParseCommandLine({"a.txt", "--version"}).action, Action::PrintVersion);
    EXPECT_EQ(ParseCommandLine({"-h"}).action, Action::PrintHelp);
    const CommandLine unknown = ParseCommandLine({"a.txt", "--open"});
    EXPECT_EQ(unknown.action, Action::UsageError);
    EXPECT_EQ(unknown.error, "unknown option --open");
    // After "--" a name that starts with a dash is a file.
    const CommandLine files = ParseCommandLine({"a.txt", "--", "-b.dat"});
    EXPECT_EQ(files.action, Action::Run);
    EXPECT_EQ(files.files, (std::vector<std::string>{"a.txt", "-b.dat"}));
    EXPECT_EQ(VersionText(), std::string("zelkor " ZELKOR_VERSION "\n") + kLicenceNotice);
    // Qt's own options and their values are left to Qt; a stray one is still refused.
    const CommandLine qt = ParseCommandLine({"-platform", "offscreen", "--style=fusion", "-reverse", "a.txt"});
    EXPECT_EQ(qt.action, Action::Run);
    EXPECT_EQ(qt.files, (std::vector<std::string>{"a.txt"}));
    EXPECT_EQ(ParseCommandLine({"a.txt", "-platform"}).error, "option -platform needs a value");
    EXPECT_EQ(ParseCommandLine({"--bad-option"}).action, Action::UsageError);
}

TEST(StartUpTest, OpensTheCommandLineFileOnceTheSplashIsOver) {
    TempDir dir;
    const auto path = dir.write("TRANSMIT.TXT", TransmitFileText());
    ScriptedDialogs dialogs;
    StartUp startUp(dialogs, {path});
    MainWindow& window = startUp.mainWindow();
    ASSERT_NE(startUp.splash(), nullptr);
    EXPECT_TRUE(startUp.splash()->isVisible());
    EXPECT_FALSE(window.isVisible());

    startUp.splash()->Timer1Timer();
    QTest::qWait(50);

    EXPECT_EQ(startUp.splash(), nullptr);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "ZELKOR - " + QString::fromStdString(path.string()));
    EXPECT_EQ(window.set().count, 2);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.fileDialogs.empty());
    EXPECT_EQ(window.minimumSize(), QSize(790, 570));
}

TEST_F(OpeningFiles, UnknownExtensionIsRefusedAndNothingChanges) {
    const auto path = openTransmit();
    dialogs.messages.clear();
    window.openFiles({writeFile("beam.csv", TransmitFileText())});

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "Error");
    for (const char* kind : {"TRANSMIT.TXT (.txt)", "TRIM.DAT (.dat)", "(.pnt)", "beam.csv"})
        EXPECT_NE(dialogs.messages[0].text.find(kind), std::string::npos) << kind;
    EXPECT_EQ(window.windowTitle(), "ZELKOR - " + QString::fromStdString(path.string()));
    EXPECT_EQ(window.state().sourceKind, SourceKind::TransmitTxt);
}

TEST_F(OpeningFiles, SeveralFilesOpenTheFirstAndSaySo) {
    const auto first = writeFile("first.DAT", TrimDatFileText());
    window.openFiles({first, writeFile("second.txt", TransmitFileText())});

    EXPECT_EQ(window.state().sourceKind, SourceKind::TrimDat);
    EXPECT_EQ(window.windowTitle(), "ZELKOR - " + QString::fromStdString(first.string()));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_NE(dialogs.messages[0].text.find("one set of ions at a time"), std::string::npos);
}

TEST_F(OpeningFiles, DroppedFileOpensAsItsExtensionSays) {
    const auto path = writeFile("beam.pnt", WinAgileFileText());
    ASSERT_TRUE(Drop(window, {path}));

    EXPECT_EQ(window.state().sourceKind, SourceKind::WinAgile);
    EXPECT_EQ(window.windowTitle(), "ZELKOR - " + QString::fromStdString(path.string()));
    EXPECT_EQ(countText(), "2");
}

TEST_F(OpeningFiles, OpeningByNameKeepsTheMenuCommandsChecks) {
    // The same check pass as File > Open: a .txt that is no TRANSMIT.TXT is refused with its message.
    window.openFiles({writeFile("notes.txt", "just some notes\r\n")});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], ErrorMessage(kBadFileText));
    EXPECT_EQ(window.windowTitle(), "ZELKOR");
}

}  // namespace
}  // namespace zelkor::test
