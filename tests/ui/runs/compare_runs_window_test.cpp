// File > Compare Runs... in the stand-in host: files added by the dialog and
// by a drop are read in the background into rows, the loaded set stays as it
// was, the table copies and saves as the batch tool's CSV, and the window can
// go while files are still being read.
#include "runs/run_table.hpp"
#include "runs/summarize_runs.hpp"
#include "runs/ui/compare_runs_window.hpp"
#include "runs/ui/install_compare_runs.hpp"
#include "widgets/string_grid_model.hpp"
#include "support/ui/host_fixture.hpp"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <chrono>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelkor::test {
namespace {

class CompareRuns : public HostTest {
protected:
    CompareRuns() : window(InstallCompareRuns(host.services())) {}
    // The rows arrive through the event loop.
    void waitForRows(int count) {
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return window.model().rowCount() >= count && window.pending() == 0; }, 10000));
    }
    std::string cell(int row, int column) { return window.model().index(row, column).data().toString().toStdString(); }

    CompareRunsWindow& window;
};

TEST_F(CompareRuns, AddedAndDroppedFilesBecomeRowsWithoutTouchingTheLoadedSet) {
    openTransmit();
    const auto beforeCount = host.set.count;
    trigger(MenuCommand::CompareRuns);
    EXPECT_TRUE(window.isVisible());

    const auto good = writeFile("run1.txt", TransmitFileText());
    dialogs.answer(good);
    click("btnAddRuns");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString((dir / "missing.txt").string()))});
    EXPECT_TRUE(window.addDropped(mime));
    waitForRows(2);

    ASSERT_EQ(window.model().rowCount(), 2) << cell(0, 0) << " " << window.pending();
    const int last = window.model().columnCount() - 1;
    for (int row = 0; row < 2; ++row) {
        if (cell(row, 0) == good.string()) {
            EXPECT_EQ(cell(row, 2), "2");
            EXPECT_EQ(cell(row, last), "-");
        } else {
            EXPECT_EQ(cell(row, last), kCannotOpenText);
        }
    }
    EXPECT_EQ(host.set.count, beforeCount);
    EXPECT_TRUE(dialogs.messages.empty()) << ::testing::PrintToString(messageTexts());
}

TEST_F(CompareRuns, TableCopiesWithItsTitlesAndSavesTheBatchToolsCsv) {
    trigger(MenuCommand::CompareRuns);
    child<QAction>("actCopyRuns").trigger();
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"No data selected"});
    child<QAction>("actSaveRunsCsv").trigger();
    EXPECT_EQ(messageTexts().back(), "No data visible");

    const auto run1 = writeFile("run1.txt", TransmitFileText());
    const auto run2 = writeFile("run2.dat", TrimDatFileText());
    window.addFiles({run1, run2});
    waitForRows(2);

    child<QAction>("actSelectAllRuns").trigger();
    child<QAction>("actCopyRuns").trigger();
    const QStringList lines = QApplication::clipboard()->text().split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("file\tkind\tcount\t")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QString::fromStdString(cell(0, 0)) + "\t"));

    // Over an existing file: the whole CSV of the same files, in the rows' order.
    const auto target = writeFile("runs.csv", "old");
    dialogs.answer(target);
    child<QAction>("actSaveRunsCsv").trigger();
    const std::vector<RunSummary> direct = SummarizeRuns({{run1, std::nullopt}, {run2, std::nullopt}});
    std::vector<RunSummary> ordered = direct;
    if (cell(0, 0) != run1.string()) std::swap(ordered[0], ordered[1]);
    EXPECT_EQ(ReadBytes(target), RunSummaryTable(ordered, RunTableFormat::Csv));

    // A folder that is not there: the program's message, nothing written.
    dialogs.answer(dir / "no" / "runs.csv");
    child<QAction>("actSaveRunsCsv").trigger();
    EXPECT_EQ(messageTexts().back(), kCannotSaveText);
    EXPECT_FALSE(std::filesystem::exists(dir / "no"));
}

TEST_F(CompareRuns, WindowGoesWhileFilesAreStillBeingRead) {
    std::vector<std::string> ions;
    for (int i = 1; i <= 20000; ++i)
        ions.push_back("T" + std::to_string(i) +
                       "  2 .3650895E+07   1000000E-01 -.8619E+02 -.1016E+03   .9999324  .0013460 -.0115474");
    const auto big =
        writeFile("big.txt", SrimTransmitHeader("=====  He (5000 keV) ==> Silicon (10 um)   =====") + Lines(ions));
    auto* reading = new CompareRunsWindow(dialogs, nullptr);
    reading->show();
    reading->addFiles({big, big, big});
    reading->addFiles({big});
    EXPECT_EQ(reading->pending(), 4);
    reading->close();
    delete reading;
    // Rows of the window that went must not arrive anywhere.
    QTest::qWait(50);
}

// A pipe nobody writes to never ends: the window goes anyway, and with it
// the program can quit.
TEST_F(CompareRuns, WindowGoesWhileAPipeWaitsForItsWriter) {
    const auto pipe = dir / "pipe.txt";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    auto* reading = new CompareRunsWindow(dialogs, nullptr);
    reading->addFiles({pipe});
    QTest::qWait(50);
    const auto start = std::chrono::steady_clock::now();
    delete reading;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    // A writer that comes and goes at once lets the reading thread end.
    const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) ::close(writer);
}

}  // namespace
}  // namespace zelkor::test
