// The "Data Processing" page installed into a stand-in host: Preview's
// columns and cell texts, Header, the picture and the source-kind checks of
// its buttons.
#include "tables/data_grid_columns.hpp"
#include "particles/ui/data_grid_model.hpp"
#include "particles/ui/data_page.hpp"
#include "particles/ui/install_data_page.hpp"
#include "support/ui/host_fixture.hpp"
#include "support/ui/recording_links.hpp"
#include "widgets/edit_commands.hpp"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

namespace zelkor::test {
namespace {

class DataGrid : public HostTest {
protected:
    DataGrid() {
        host.listen(InstallDataPage(host.services()).listeners);
        host.links().openers = &openers;
    }
    QTableView& grid() { return child<QTableView>("strgDataProc"); }
    DataPage& dataPage() { return child<DataPage>("DataPage"); }
    QString countText() { return child<QLabel>("labelNbOfPart").text(); }
    // Edit > Select All and Copy.
    void copyAll() {
        host.services().edit.SelectAllClick();
        host.services().edit.CopyClick();
    }
    // The object name of the modal window that `click` opens, closed again; empty when none opens.
    QString openedBy(const std::function<void()>& click) {
        QString opened;
        WhenModalOpens(host, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = modal->objectName();
                modal->close();
            }
        });
        click();
        QCoreApplication::processEvents();  // without a window the check runs here
        return opened;
    }

    RecordingOpeners openers;
};

QStringList Titles(const QTableView& view) {
    QStringList titles;
    for (int c = 0; c < view.model()->columnCount(); ++c)
        titles << view.model()->headerData(c, Qt::Horizontal).toString();
    return titles;
}

QStringList Row(const QTableView& view, int gridRow) {
    QStringList cells;
    for (int c = 0; c < view.model()->columnCount(); ++c)
        cells << view.model()->index(gridRow - 1, c).data().toString();
    return cells;
}

TEST_F(DataGrid, PreviewOfTransmitShowsEightColumnsInTheirFormats) {
    openTransmit();
    dataPage().btnPreviewClick();

    EXPECT_FALSE(grid().isHidden());
    EXPECT_EQ(Titles(grid()), (QStringList{"Ion", "Energy  [eV]", "Depth  X [A]", "Lat.-Pos.  Y [A]",
                                           "Lat.-Pos.  Z [A]", "Cos  X", "Cos  Y", "Cos  Z"}));
    ASSERT_EQ(grid().model()->rowCount(), 2);
    EXPECT_EQ(Row(grid(), 1), (QStringList{"1", "3.650895E+06", "1.000000E+05", "-8.619000E+01", "-1.016000E+02",
                                           "0.9999324", "0.0013460", "-0.0115474"}));
    EXPECT_EQ(Row(grid(), 2), (QStringList{"2", "3.658839E+06", "1.000000E+05", "1.105000E+02", "-8.610000E+02",
                                           "0.9998046", "0.0167895", "-0.0104302"}));
    EXPECT_EQ(host.state.lastDataColumn, 7);
}

TEST_F(DataGrid, ANegativeZeroKeepsItsMinusInTheGridAndOnTheClipboard) {
    std::string text = TransmitFileText();
    text.replace(text.find("-.8619E+02"), 10, "-.0000E+00");
    text.replace(text.find(" .0013460"), 9, "-.0000000");
    open(writeFile("ZERO.TXT", text));
    dataPage().btnPreviewClick();
    EXPECT_EQ(Row(grid(), 1).mid(3, 4), (QStringList{"-0.000000E+00", "-1.016000E+02", "0.9999324", "-0.0000000"}));
    copyAll();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith("1\t3.650895E+06\t1.000000E+05\t-0.000000E+00\t")) << copied.toStdString();
}

TEST_F(DataGrid, PreviewOfTrimDatShowsTheSameColumns) {
    importTrimDat(writeFile("TRIM.DAT", TrimDatFileText()));
    dataPage().btnPreviewClick();
    EXPECT_EQ(Titles(grid()).size(), 8);
    EXPECT_EQ(Row(grid(), 2), (QStringList{"2", "3.658839E+06", "1.000000E+05", "1.105000E+02", "-8.610000E+02",
                                           "0.9998046", "0.0167895", "-0.0104302"}));
}

TEST_F(DataGrid, PreviewOfWinAgileShowsMetresSlopesAndPercent) {
    importWinAgile(writeFile("beam.pnt", WinAgileFileText()));
    dataPage().btnPreviewClick();

    EXPECT_EQ(Titles(grid()), (QStringList{"Ion", " Y [m]", " dY/dX [rad]", " Z [m]", " dZ/dX [rad]", "dp/p [%]"}));
    EXPECT_EQ(Row(grid(), 1), (QStringList{"1", "-1.0000000000E-03", "2.0000000000E-04", "5.0000000000E-04",
                                           "-3.0000000000E-04", "1.0000000000E-01"}));
    EXPECT_EQ(Row(grid(), 2), (QStringList{"2", "2.5000000000E-06", "-1.5000000000E-03", "-4.0000000000E-06",
                                           "6.0000000000E-04", "-2.0000000000E-01"}));
    EXPECT_EQ(host.state.lastDataColumn, 5);
}

// The grid's texts are printf's, whatever the value: compare with the C library.
TEST_F(DataGrid, CellsMatchPrintfForAwkwardValues) {
    const double values[] = {0.0, -0.0, 1e-300, -2.5e-310, 1e300, 9.9999995e5, 0.99999995, -1.23456789e-7, 123456.0};
    ParticleSet& set = host.set;
    set = ParticleSet();
    for (double value : values) {
        ParticleRecord& record = set.records.emplace_back();
        record.energy = record.cos_x = record.y = record.momentum = value;
        ++set.count;
    }
    host.state.sourceKind = SourceKind::TransmitTxt;
    dataPage().btnPreviewClick();
    char expected[512];
    for (int i = 1; i <= set.count; ++i) {
        const double value = values[i - 1];
        std::snprintf(expected, sizeof expected, "%lE", value);
        EXPECT_EQ(Row(grid(), i)[1].toStdString(), expected);
        std::snprintf(expected, sizeof expected, "%.7lf", value);
        EXPECT_EQ(Row(grid(), i)[5].toStdString(), expected);
    }
    host.state.sourceKind = SourceKind::WinAgile;
    dataPage().btnPreviewClick();
    for (int i = 1; i <= set.count; ++i) {
        std::snprintf(expected, sizeof expected, "%.10lE", values[i - 1] * 1e-10);
        EXPECT_EQ(Row(grid(), i)[1].toStdString(), expected);
        std::snprintf(expected, sizeof expected, "%.10lE", values[i - 1] * 100);
        EXPECT_EQ(Row(grid(), i)[5].toStdString(), expected);
    }
}

TEST_F(DataGrid, ModelPassesTheItemModelTesterThroughPreviewAndReload) {
    DataGridModel& model = dataPage().model();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    openTransmit();
    dataPage().btnPreviewClick();
    importWinAgile(writeFile("beam.pnt", WinAgileFileText()));
    EXPECT_EQ(model.rowCount(), 0);
    dataPage().btnPreviewClick();
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.columnCount(), 6);
}

TEST_F(DataGrid, EmptySetPreviewsAsTitlesOnly) {
    open(writeFile("empty.txt", TransmitFileText().substr(0, TransmitFileText().find("T    1"))));
    EXPECT_EQ(countText(), "0");
    dataPage().btnPreviewClick();
    EXPECT_EQ(grid().model()->rowCount(), 0);
    EXPECT_EQ(grid().model()->columnCount(), 8);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DataGrid, HeaderShowsTheFirstLinesOfTheFileByKind) {
    const std::string text = TransmitFileText();
    openTransmit();
    dataPage().btnHeaderClick();
    auto& header = child<QPlainTextEdit>("memHeader");
    EXPECT_FALSE(header.isHidden());
    EXPECT_TRUE(grid().isHidden());
    const QStringList lines = header.toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[2].toStdString(), "=================  TRANSMIT.txt : File of Transmitted Ions  ==================");
    EXPECT_EQ(lines[9].toStdString(), "=====  He (5000 keV) ==> Silicon (10 um)                                 =====");
    EXPECT_TRUE(header.font().fixedPitch());

    importTrimDat(writeFile("TRIM.DAT", TrimDatFileText()));
    dataPage().btnHeaderClick();
    const QStringList trimLines = header.toPlainText().split('\n');
    ASSERT_EQ(trimLines.size(), 8);
    EXPECT_EQ(trimLines[7].toStdString(),
              "======  He (5000 keV) ==> Silicon (10 um)                                 =====");
}

TEST_F(DataGrid, HeaderRefusesPointFilesAndShowsTheLoadedBytesWhateverBecameOfTheFile) {
    const auto headerLines = [this] {
        dataPage().btnHeaderClick();
        return child<QPlainTextEdit>("memHeader").toPlainText().split('\n');
    };
    importWinAgile(writeFile("beam.pnt", WinAgileFileText()));
    dataPage().btnHeaderClick();
    EXPECT_EQ(dialogs.messages.back(), WarningMessage(kOnlyTransmitText));

    const auto path = openTransmit();
    dialogs.messages.clear();
    std::filesystem::remove(path);
    EXPECT_EQ(headerLines().value(9).toStdString(),
              "=====  He (5000 keV) ==> Silicon (10 um)                                 =====");
    // Another file under the same name: Header still shows the one loaded.
    writeFile("TRANSMIT.TXT", std::string(2000, 'x') + "\n");
    const QStringList lines = headerLines();
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[2].toStdString(), "=================  TRANSMIT.txt : File of Transmitted Ions  ==================");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(host.state.sourceKind, SourceKind::TransmitTxt);
}

TEST_F(DataGrid, HeaderAfterALoadFromAPipeNeverWaitsForAnotherWriter) {
    const auto headerLines = [this] {
        dataPage().btnHeaderClick();
        return child<QPlainTextEdit>("memHeader").toPlainText().split('\n');
    };
    const std::filesystem::path fifo = dir.path() / "run.txt";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << TransmitFileText(); });
    open(fifo);
    writer.join();
    ASSERT_EQ(host.set.count, 2);
    // Should Header open the pipe again, this lets it go after a while, so
    // that the test fails instead of waiting for ever.
    std::atomic<bool> done{false};
    std::thread rescue([&] {
        for (int tries = 0; tries < 100 && !done; ++tries) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0) ::close(fd);
        }
    });
    const QStringList lines = headerLines();
    done = true;
    rescue.join();
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[9].toStdString(), "=====  He (5000 keV) ==> Silicon (10 um)                                 =====");
}

TEST_F(DataGrid, CoordinateSystemPictureTakesThePlaceOfTheViews) {
    auto& picture = child<QLabel>("imgCoordSys");
    EXPECT_EQ(picture.pixmap().size(), QSize(548, 458));
    openTransmit();
    dataPage().btnPreviewClick();
    dataPage().btnCoorSysClick();
    EXPECT_FALSE(picture.isHidden());
    EXPECT_TRUE(grid().isHidden());
    dataPage().btnPreviewClick();
    EXPECT_TRUE(picture.isHidden());
}

TEST_F(DataGrid, ButtonsCheckTheSourceKindBeforeOpeningTheirWindows) {
    std::vector<QString> opened;
    DataPage& page = dataPage();
    for (auto click : {&DataPage::btnPreviewClick, &DataPage::btnHeaderClick, &DataPage::btnRelParClick,
                       &DataPage::btnPositionClick, &DataPage::btnAnglesClick})
        opened.push_back(openedBy([&page, click] { (page.*click)(); }));
    EXPECT_EQ(dialogs.messages, std::vector<Message>(5, ErrorMessage(kNoDataText)));
    EXPECT_EQ(opened, std::vector<QString>(5));
    EXPECT_TRUE(openers.opened.empty());

    importWinAgile(writeFile("beam.pnt", WinAgileFileText()));
    page.btnRelParClick();
    EXPECT_EQ(openedBy([&page] { page.btnPositionClick(); }), "TPositions");
    EXPECT_EQ(openedBy([&page] { page.btnAnglesClick(); }), "TAngles");
    EXPECT_EQ(dialogs.messages.back(), WarningMessage(kOnlyTransmitText));
    EXPECT_TRUE(openers.opened.empty());

    openTransmit();
    page.btnRelParClick();
    EXPECT_EQ(openers.opened, std::vector<std::string>{"relativistic"});
}

TEST_F(DataGrid, PointFileIsRefusedBeforeTheRelativisticWindowOpens) {
    importWinAgile(writeFile("beam.pnt", WinAgileFileText()));
    dialogs.messages.clear();
    click("btnRelPar");
    EXPECT_EQ(dialogs.messages,
              std::vector<Message>{WarningMessage("This function is available only for TRANSMIT.TXT")});
    EXPECT_TRUE(openers.opened.empty());
}

}  // namespace
}  // namespace zelkor::test
