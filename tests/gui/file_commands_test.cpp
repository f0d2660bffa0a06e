// Save > Filtered File, the two exports and the "X co-ordinate" window: the
// checks, the dialogs and that the files are the writers' files.
#include "widgets/file_dialog_setups.hpp"
#include "io/ui/x_coordinate_window.hpp"
#include "io/file_commands.hpp"
#include "window_fixture.hpp"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace zelkor::test {
namespace {

class FileCommands : public WindowTest {
protected:
    // The core's own file for the current set, to compare the window's with.
    std::string savedByCore() {
        const auto path = dir / "expected";
        EXPECT_FALSE(SaveFilteredFile(path, window.set(), window.state()));
        return ReadBytes(path);
    }
    // Runs the export with the X co-ordinate window answered by `answer` while it is open.
    void exportToTrimDat(const std::function<void(XCoordinateWindow&)>& answer) {
        WhenModalOpens(window, [this, answer] { answer(xCoordinateWindow()); });
        trigger("TRANSMITTXTtoTRIMDAT");
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
        window.set().records[2].accepted = 0;  // as a filter leaves it
        const auto out = dir / "saved";
        dialogs.fileDialogs.clear();
        dialogs.answer(out);
        trigger("SaveFilteredFile");
        EXPECT_EQ(dialogs.fileDialogs, std::vector<FileDialogSetup>{c.dialog});
        EXPECT_EQ(ReadBytes(out), savedByCore());
        EXPECT_FALSE(child<QWidget>("panelPlsWait").isVisible());
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FileCommands, CommandsRefuseBeforeTheirDialog) {
    trigger("SaveFilteredFile");
    trigger("WinAGILEPointFileEx");
    trigger("TRANSMITTXTtoTRIMDAT");
    importTrimDat(writeFile("TRIM.DAT", TrimDatFileText()));
    trigger("WinAGILEPointFileEx");
    trigger("TRANSMITTXTtoTRIMDAT");

    EXPECT_EQ(dialogs.messages,
              (std::vector<Message>{ErrorMessage(kNoDataText), ErrorMessage(kNoDataText), ErrorMessage(kNoDataText),
                                    WarningMessage(kOnlyTransmitText), WarningMessage(kOnlyTransmitText)}));
    EXPECT_EQ(dialogs.fileDialogs.size(), 1u);  // the import's own
}

TEST_F(FileCommands, ExportToWinAgileWritesTheConvertedPoints) {
    openTransmit();
    const auto out = dir / "out.pnt";
    dialogs.answer(out);
    trigger("WinAGILEPointFileEx");
    EXPECT_EQ(dialogs.fileDialogs.back(),
              (FileDialogSetup{"Export", "WinAGILE Point File|*.pnt", ".pnt", false, true}));
    const auto expected = dir / "expected.pnt";
    ASSERT_FALSE(ExportTransmitToWinAgile(expected, window.set()));
    EXPECT_EQ(ReadBytes(out), ReadBytes(expected));
}

TEST_F(FileCommands, WriteFailureIsReportedAndTheBusyPanelGoes) {
    openTransmit();
    dialogs.answer(dir / "no-such-folder" / "out.txt");
    trigger("SaveFilteredFile");
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
    EXPECT_TRUE(dialogs.fileDialogs.size() == 1u);  // only the open dialog: Cancel writes nothing
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
        ASSERT_FALSE(ExportTransmitToTrimDat(expected, window.set(), window.state(), fixedX));
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
