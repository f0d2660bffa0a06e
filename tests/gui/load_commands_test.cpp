// File > Open and the two imports: dialogs, order of steps, what each outcome leaves behind.
#include "widgets/busy_panel.hpp"
#include "particles/ui/data_page.hpp"
#include "widgets/file_dialog_setups.hpp"
#include "window_fixture.hpp"

#include <QProgressBar>
#include <QTabWidget>
#include <QTimer>

namespace zelkor::test {
namespace {

// Hears what any window hears of a load, after the composed windows.
struct LoadRecorder : ResetListener, LoadListener, AngleChoiceListener {
    std::function<void()> duringReset = [] {};
    std::function<void(SourceKind)> onLoaded = [](SourceKind) {};
    std::vector<bool> switches;
    bool resetRan = false;

    void resetForLoad() override {
        resetRan = true;
        duringReset();
    }
    void loaded(SourceKind kind) override { onLoaded(kind); }
    void switchAngleChoices(bool enabled) override { switches.push_back(enabled); }
};

class LoadCommands : public WindowTest {
protected:
    LoadCommands() {
        Listeners heard;
        heard.reset = {&recorder};
        heard.load = {&recorder};
        heard.angleChoice = {&recorder};
        window.links().listeners.append(heard);
    }

    LoadRecorder recorder;
};

const Message kBadFile = ErrorMessage("Bad file opened!");
const Message kCannotOpen = ErrorMessage("Cannot open a file!");

TEST_F(LoadCommands, OpenShowsPathCountAndDataAvailable) {
    const auto path = openTransmit();

    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs[0], (FileDialogSetup{"Open", "Text File|*.txt", "", true, false}));
    EXPECT_EQ(window.windowTitle(), "ZELKOR - " + QString::fromStdString(path.string()));
    EXPECT_EQ(countText(), "2");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(window.state().sourceKind, SourceKind::TransmitTxt);
    EXPECT_EQ(window.set().count, 2);
    EXPECT_TRUE(child<QWidget>("panelDataAw").isVisible());
    EXPECT_FALSE(child<QWidget>("panelPlsWait").isVisible());
    EXPECT_EQ(child<QProgressBar>("prgsbarPlsWait").value(), 0);
}

TEST_F(LoadCommands, DataAvailablePanelHidesWhenItsTimerFires) {
    openTransmit();
    auto& timer = child<QTimer>("timerDataAv");
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 2000);
    QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection);
    EXPECT_FALSE(timer.isActive());
    EXPECT_FALSE(child<QWidget>("panelDataAw").isVisible());
}

TEST_F(LoadCommands, ImportsUseTheImportDialogWithTheirKindsFilter) {
    importTrimDat(writeFile("TRIM.DAT", TrimDatFileText()));
    importWinAgile(writeFile("beam.pnt", WinAgileFileText()));

    ASSERT_EQ(dialogs.fileDialogs.size(), 2u);
    EXPECT_EQ(dialogs.fileDialogs[0], (FileDialogSetup{"Import", "TRIM.DAT|*.dat", ".dat", true, false}));
    EXPECT_EQ(dialogs.fileDialogs[1], (FileDialogSetup{"Import", "WinAGILE Point File|*.pnt", ".pnt", true, false}));
    EXPECT_EQ(window.state().sourceKind, SourceKind::WinAgile);
    EXPECT_EQ(countText(), "2");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LoadCommands, CancelledDialogChangesNothing) {
    const auto path = openTransmit();
    dialogs.cancel();
    window.WinAGILEPointFileImClick();
    dialogs.cancel();
    window.ImpTRIMDATClick();

    EXPECT_EQ(window.state().sourceKind, SourceKind::TransmitTxt);
    EXPECT_EQ(window.state().inputPath, path.string());
    EXPECT_EQ(window.windowTitle(), "ZELKOR - " + QString::fromStdString(path.string()));
    EXPECT_EQ(window.set().count, 2);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LoadCommands, UnopenableFileForgetsTheKindButKeepsTheWindow) {
    const auto path = openTransmit();
    dataPage().btnPreviewClick();
    open(dir / "missing.txt");

    EXPECT_EQ(dialogs.messages, std::vector<Message>{kCannotOpen});
    EXPECT_EQ(window.state().sourceKind, SourceKind::None);
    EXPECT_EQ(window.windowTitle(), "ZELKOR - " + QString::fromStdString(path.string()));
    EXPECT_EQ(countText(), "2");
    EXPECT_FALSE(grid().isHidden());

    dataPage().btnPreviewClick();
    EXPECT_EQ(dialogs.messages.back(), ErrorMessage(kNoDataText));
}

TEST_F(LoadCommands, RejectedFileKeepsTheSetAndItsKind) {
    const auto path = openTransmit();
    dataPage().btnPreviewClick();
    recorder.resetRan = false;
    importTrimDat(writeFile("not-trim.dat", "just some text\r\n"));

    EXPECT_EQ(dialogs.messages, std::vector<Message>{kBadFile});
    EXPECT_FALSE(recorder.resetRan);
    EXPECT_EQ(window.state().sourceKind, SourceKind::TransmitTxt);
    EXPECT_EQ(window.state().inputPath, path.string());
    EXPECT_EQ(window.set().count, 2);
    EXPECT_EQ(countText(), "2");
    EXPECT_EQ(window.windowTitle(), "ZELKOR - " + QString::fromStdString(path.string()));
    EXPECT_FALSE(grid().isHidden());
    EXPECT_EQ(grid().model()->rowCount(), 2);
}

TEST_F(LoadCommands, RejectedFirstFileLeavesAnEmptySet) {
    open(writeFile("plain.txt", "no marker here\r\nnor here\r\n"));
    EXPECT_EQ(dialogs.messages, std::vector<Message>{kBadFile});
    EXPECT_EQ(window.state().sourceKind, SourceKind::None);
    EXPECT_EQ(window.set().count, 0);
    EXPECT_EQ(window.windowTitle(), "ZELKOR");
    EXPECT_EQ(countText(), "");
}

TEST_F(LoadCommands, ResetRunsRegisteredPiecesWithTheCountEmptyAndTheBusyPanelUp) {
    openTransmit();
    dataPage().btnPreviewClick();
    window.state().copyTarget = CopyTarget::DataProc;
    QString countDuringReset = "not run";
    bool busyDuringReset = false;
    recorder.duringReset = [&] {
        countDuringReset = countText();
        busyDuringReset = child<QWidget>("panelPlsWait").isVisible();
    };
    importTrimDat(writeFile("TRIM.DAT", TrimDatFileText()));

    EXPECT_EQ(countDuringReset, "");
    EXPECT_TRUE(busyDuringReset);
    EXPECT_TRUE(grid().isHidden());
    EXPECT_EQ(window.state().copyTarget, CopyTarget::None);
    EXPECT_EQ(countText(), "2");
}

TEST_F(LoadCommands, AngleChoicesSwitchOnlyWhenTheKindFamilyChanges) {
    const auto points = writeFile("beam.pnt", WinAgileFileText());
    openTransmit();
    importWinAgile(points);
    importWinAgile(points);
    importTrimDat(writeFile("TRIM.DAT", TrimDatFileText()));

    EXPECT_EQ(recorder.switches, (std::vector<bool>{false, true}));
    EXPECT_TRUE(window.state().angleControlsEnabled);
}

TEST_F(LoadCommands, LoadedHooksHearTheKindAfterTheSetIsReplaced) {
    std::vector<std::pair<SourceKind, int>> heard;
    recorder.onLoaded = [&](SourceKind kind) { heard.emplace_back(kind, window.set().count); };
    importWinAgile(writeFile("beam.pnt", WinAgileFileText()));
    open(dir / "missing.txt");
    EXPECT_EQ(heard, (std::vector<std::pair<SourceKind, int>>{{SourceKind::WinAgile, 2}}));
}

TEST_F(LoadCommands, SkippedLineWarningComesAfterTheLoadHasFinished) {
    const std::string text = TransmitFileText() + "T    3  2 garbage\r\n";
    const auto path = writeFile("TRANSMIT.TXT", text);
    QString titleAtMessage;
    QString countAtMessage;
    dialogs.onMessage = [&](const Message&) {
        titleAtMessage = window.windowTitle();
        countAtMessage = countText();
    };
    open(path);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], WarningMessage("1 line could not be read and was skipped: line 15."));
    EXPECT_EQ(titleAtMessage, "ZELKOR - " + QString::fromStdString(path.string()));
    EXPECT_EQ(countAtMessage, "2");
}

TEST_F(LoadCommands, PageChangeAcceptsAllAndReappliesOnlyTheEnergyFilter) {
    std::string lines;
    for (int i = 1; i <= 9; ++i)
        lines += "T    " + std::to_string(i) + "  2 ." + std::to_string(30 + (i == 9 ? 60 : i)) +
                 "00000E+07   1000000E-01 -.8619E+02 -.1016E+03   .9999324  .0013460 -.0115474\r\n";
    open(writeFile("spread.txt", TransmitFileText().substr(0, TransmitFileText().find("T    1")) + lines));
    ASSERT_EQ(window.set().count, 9);
    window.state().filterOf(StatPage::Energy) = {true, 1.0};
    auto& pages = child<QTabWidget>("PageControl1");

    pages.setCurrentIndex(static_cast<int>(MainPage::EnergStat));
    const int rejectedOnEnergyPage = CountRejected(window.set());
    pages.setCurrentIndex(static_cast<int>(MainPage::PosStat));

    EXPECT_GT(rejectedOnEnergyPage, 0);
    EXPECT_EQ(CountRejected(window.set()), 0);
}

}  // namespace
}  // namespace zelkor::test
