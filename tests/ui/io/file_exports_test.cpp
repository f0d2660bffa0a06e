// Save > Filtered File, the two exports and the "X co-ordinate" window,
// installed into a stand-in host: the checks, the dialogs and that the files
// are the writers' files.
#include "io/file_commands.hpp"
#include "io/ui/file_exports.hpp"
#include "io/ui/x_coordinate_window.hpp"
#include "support/ui/host_fixture.hpp"
#include "widgets/file_dialog_setups.hpp"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <sstream>

namespace zelkor::test {
namespace {

TEST(FileExportsInHost, SaveFilteredWritesTheAcceptedIonsOrRefusesWithoutASet) {
    ScriptedDialogs dialogs;
    TestHost host(dialogs);
    InstallFileExports(host.services());
    host.command(MenuCommand::SaveFilteredFile).trigger();
    EXPECT_EQ(dialogs.messages, std::vector<Message>{ErrorMessage(kNoDataText)});

    TempDir dir;
    const auto input = dir.write(
        "TRANSMIT.TXT",
        SrimTransmitHeader("=====  He (5000 keV) ==> Silicon (10 um)                                 =====") +
            Lines({"T    1  2 .3650895E+07   1000000E-01 -.8619E+02 -.1016E+03   .9999324  .0013460 -.0115474",
                   "T    2  2 .3658839E+07   1000000E-01  .1105E+03 -.8610E+03   .9998046  .0167895 -.0104302"}));
    host.load(SourceKind::TransmitTxt, input);
    ASSERT_EQ(host.set.count, 2);
    host.set.records[1].accepted = 0;
    const auto output = dir.path() / "kept.txt";
    dialogs.answer(output);
    host.command(MenuCommand::SaveFilteredFile).trigger();
    std::ifstream written(output);
    std::stringstream text;
    text << written.rdbuf();
    EXPECT_NE(text.str().find("3.658839E+06"), std::string::npos);
    EXPECT_EQ(text.str().find("3.650895E+06"), std::string::npos);
}

class FileCommands : public HostTest {
protected:
    FileCommands() { InstallFileExports(host.services()); }
    XCoordinateWindow& xCoordinateWindow() { return child<XCoordinateWindow>("TXCoordinate"); }
    // The core's own file for the current set, to compare the window's with.
    std::string savedByCore() {
        const auto path = dir / "expected";
        EXPECT_FALSE(SaveFilteredFile(path, host.set, host.state));
        return ReadBytes(path);
    }
    // Runs the export with the X co-ordinate window answered by `answer` while it is open.
    void exportToTrimDat(const std::function<void(XCoordinateWindow&)>& answer) {
        WhenModalOpens(host, [this, answer] { answer(xCoordinateWindow()); });
        trigger(MenuCommand::ExportTrimDat);
    }
    static void type(XCoordinateWindow& x, const char* button, const QString& text) {
        Control<QRadioButton>(x, button).click();
        Control<QLineEdit>(x, "editSet").setText(text);
    }
    static void ok(XCoordinateWindow& x) { Control<QPushButton>(x, "btnOK").click(); }
};

TEST_F(FileCommands, SaveFilteredWritesEachKindInItsOwnLayout) {
    struct Case {
        std::function<void()> load;
        FileDialogSetup dialog;
    };
    const std::vector<Case> cases{
        {[this] { openTransmit(); }, {"Save", "Text File|*.txt", ".txt", false, true}},
        {[this] { importTrimDat(writeFile("TRIM.DAT", TrimDatFileText())); },
         {"Save", "TRIM.DAT|*.dat", ".dat", false, true}},
        {[this] { importWinAgile(writeFile("b.pnt", WinAgileFileText())); },
         {"Save", "WinAGILE Point File|*.pnt", ".pnt", false, true}},
    };
    for (const Case& c : cases) {
        c.load();
        host.set.records[2].accepted = 0;  // as a filter leaves it
        const auto out = dir / "saved";
        dialogs.fileDialogs.clear();
        dialogs.answer(out);
        trigger(MenuCommand::SaveFilteredFile);
        EXPECT_EQ(dialogs.fileDialogs, std::vector<FileDialogSetup>{c.dialog});
        EXPECT_EQ(ReadBytes(out), savedByCore());
        EXPECT_FALSE(child<QWidget>("panelPlsWait").isVisible());
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FileCommands, CommandsRefuseBeforeTheirDialog) {
    trigger(MenuCommand::SaveFilteredFile);
    trigger(MenuCommand::ExportWinAgile);
    trigger(MenuCommand::ExportTrimDat);
    importTrimDat(writeFile("TRIM.DAT", TrimDatFileText()));
    trigger(MenuCommand::ExportWinAgile);
    trigger(MenuCommand::ExportTrimDat);

    EXPECT_EQ(dialogs.messages,
              (std::vector<Message>{ErrorMessage(kNoDataText), ErrorMessage(kNoDataText), ErrorMessage(kNoDataText),
                                    WarningMessage(kOnlyTransmitText), WarningMessage(kOnlyTransmitText)}));
    EXPECT_TRUE(dialogs.fileDialogs.empty());
}

TEST_F(FileCommands, ExportToWinAgileWritesTheConvertedPoints) {
    openTransmit();
    const auto out = dir / "out.pnt";
    dialogs.answer(out);
    trigger(MenuCommand::ExportWinAgile);
    EXPECT_EQ(dialogs.fileDialogs.back(),
              (FileDialogSetup{"Export", "WinAGILE Point File|*.pnt", ".pnt", false, true}));
    const auto expected = dir / "expected.pnt";
    ASSERT_FALSE(ExportTransmitToWinAgile(expected, host.set));
    EXPECT_EQ(ReadBytes(out), ReadBytes(expected));
}

TEST_F(FileCommands, WriteFailureIsReportedAndTheBusyPanelGoes) {
    openTransmit();
    dialogs.answer(dir / "no-such-folder" / "out.txt");
    trigger(MenuCommand::SaveFilteredFile);
    EXPECT_EQ(dialogs.messages, std::vector<Message>{ErrorMessage("Cannot open a file!")});
    EXPECT_FALSE(child<QWidget>("panelPlsWait").isVisible());
}

TEST_F(FileCommands, XCoordinateWindowOpensInContinueModeWithZero) {
    openTransmit();
    bool checked = false;
    exportToTrimDat([&checked](XCoordinateWindow& x) {
        EXPECT_TRUE(x.isVisible());
        EXPECT_TRUE(x.isModal());
        EXPECT_EQ(x.windowTitle(), "X co-ordinate");
        EXPECT_TRUE(Control<QRadioButton>(x, "radbtnContinue").isChecked());
        EXPECT_FALSE(Control<QLineEdit>(x, "editSet").isEnabled());
        EXPECT_EQ(Control<QLineEdit>(x, "editSet").text(), "0");
        EXPECT_EQ(Control<QLabel>(x, "labelA").text(), "[ A ]");
        checked = true;
        Control<QPushButton>(x, "btnCancel").click();
    });
    EXPECT_TRUE(checked);
    EXPECT_FALSE(xCoordinateWindow().timer().isActive());
    EXPECT_TRUE(dialogs.fileDialogs.empty());  // Cancel writes nothing
}

TEST_F(FileCommands, ExportToTrimDatContinuesOrSetsTheDepthAfterTheTimer) {
    openTransmit();
    for (const std::optional<double> fixedX : {std::optional<double>(), std::optional<double>(2500.0)}) {
        exportToTrimDat([fixedX](XCoordinateWindow& x) {
            if (fixedX) type(x, "radbtnSet", "2500");
            ok(x);
        });
        EXPECT_FALSE(xCoordinateWindow().isVisible());
        QTimer& timer = xCoordinateWindow().timer();
        EXPECT_TRUE(timer.isActive());
        EXPECT_EQ(timer.interval(), 100);
        const auto out = dir / "converted.dat";
        dialogs.answer(out);
        QTRY_VERIFY(dialogs.fileAnswers.empty());
        EXPECT_FALSE(timer.isActive());
        EXPECT_EQ(dialogs.fileDialogs.back(), (FileDialogSetup{"Export", "TRIM.DAT|*.dat", ".dat", false, true}));
        const auto expected = dir / "expected.dat";
        ASSERT_FALSE(ExportTransmitToTrimDat(expected, host.set, host.state, fixedX));
        EXPECT_EQ(ReadBytes(out), ReadBytes(expected));
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FileCommands, XCoordinateValueIsCheckedInBothModesAndTheWindowStays) {
    openTransmit();
    std::vector<bool> stillOpen;
    exportToTrimDat([&](XCoordinateWindow& x) {
        type(x, "radbtnSet", "");
        ok(x);
        stillOpen.push_back(x.isVisible());
        type(x, "radbtnSet", "-1");
        ok(x);
        stillOpen.push_back(x.isVisible());
        type(x, "radbtnSet", "abc");
        Control<QRadioButton>(x, "radbtnContinue").click();
        ok(x);
        stillOpen.push_back(x.isVisible());
        Control<QPushButton>(x, "btnCancel").click();
    });
    EXPECT_EQ(stillOpen, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(dialogs.messages,
              (std::vector<Message>{ErrorMessage("Missing value Set X co-ordinate"),
                                    ErrorMessage("Value Set X co-ordinate must be real number >= 0"),
                                    ErrorMessage("Value Set X co-ordinate must be real number >= 0")}));
}

TEST_F(FileCommands, ZeroIsAnAcceptedDepth) {
    openTransmit();
    exportToTrimDat([](XCoordinateWindow& x) {
        type(x, "radbtnSet", "0");
        ok(x);
    });
    EXPECT_EQ(xCoordinateWindow().fixedX(), std::optional<double>(0.0));
    dialogs.cancel();
    xCoordinateWindow().timerXCoorTimer();
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace zelkor::test
