// What a person does with the mouse and keys around the grids: tab changes
// after a click in a grid, header clicks, keys in an analysis window, the
// Edit menu without a set, a right click on a chart, long analysis rows.
#include "stat_page_fixture.hpp"
#include "state/copy_target.hpp"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace zelkor::test {
namespace {

std::string Clipboard() { return QApplication::clipboard()->text().toStdString(); }

class MouseAndKeys : public StatPageTest {
protected:
    void clickCell(QTableView& view, int row, int column) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          view.visualRect(view.model()->index(row, column)).center());
    }
    void clickTab(MainPage tab) {
        QTabBar& bar = *child<QTabWidget>("PageControl1").tabBar();
        QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.tabRect(static_cast<int>(tab)).center());
    }
};

TEST_F(MouseAndKeys, ATabChangeAfterAClickInTheGridShowsNoMessageAndForgetsTheGrid) {
    dataPage().btnPreviewClick();
    clickCell(grid(), 0, 1);
    ASSERT_EQ(window.state().copyTarget, CopyTarget::DataProc);
    clickTab(MainPage::EnergStat);
    EXPECT_EQ(child<QTabWidget>("PageControl1").currentIndex(), static_cast<int>(MainPage::EnergStat));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(window.state().copyTarget, CopyTarget::None);
    EXPECT_EQ(dataPage().editableGrid().selection(), kNoCell);
}

TEST_F(MouseAndKeys, AHeaderClickNamesTheGridForCopy) {
    dataPage().btnPreviewClick();
    QHeaderView& header = *grid().horizontalHeader();
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                      QPoint(header.sectionViewportPosition(1) + header.sectionSize(1) / 2, header.height() / 2));
    EXPECT_EQ(window.state().copyTarget, CopyTarget::DataProc);
    trigger("Copy");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Clipboard().substr(0, 14), "1.000000E+03\t\r");
}

TEST_F(MouseAndKeys, CtrlAAndCtrlCInAnAnalysisWindowCopyEveryRow) {
    click("btnBasAnalysE");
    AnalysisWindow& energy = analysis("TEnAnalys");
    energy.activateWindow();
    clickCell(energy.grid(), 1, 0);
    QTest::keyClick(&energy.grid(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&energy.grid(), Qt::Key_C, Qt::ControlModifier);
    std::string expected;
    for (const std::string& row : analysisRows("TEnAnalys")) expected += row + "\t\r\n";
    EXPECT_EQ(Clipboard(), expected);
    EXPECT_EQ(window.state().copyTarget, CopyTarget::EnAnalys);
}

TEST_F(MouseAndKeys, EditCommandsWithoutASetSayThereIsNoData) {
    dataPage().btnPreviewClick();
    trigger("SelectAll");
    // A load whose file cannot be opened sets the kind to None and keeps the set.
    open(dir.path() / "gone.txt");
    ASSERT_EQ(window.state().sourceKind, SourceKind::None);
    dialogs.messages.clear();
    for (const char* command : {"SelectAll", "Selectcolumn", "DeselectAll", "Copy"}) trigger(command);
    EXPECT_EQ(dialogs.messages, std::vector<Message>(4, ErrorMessage(kNoDataText)));
}

TEST_F(MouseAndKeys, ARightClickOnAChartLeavesNoZoomRectangle) {
    showTab(MainPage::PosStat);
    type("lbeditRanofIntP", "10");
    dialogs.confirmAnswers.push_back(true);
    click("btnGraphP");
    HistogramChart& chart = page('P').chart();
    QTimer::singleShot(50, [] {
        if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
    });
    // The context menu may take the release; the press alone must start nothing.
    QTest::mousePress(&chart, Qt::RightButton, {}, chart.rect().center());
    EXPECT_FALSE(chart.selectionRect()->isActive());
    QTest::mouseRelease(&chart, Qt::RightButton, {}, chart.rect().center());
}

TEST_F(MouseAndKeys, ALongAnalysisRowScrollsAndKeepsItsWholeTextAsATooltip) {
    showTab(MainPage::PosStat);
    click("rbtnPosYZ");
    click("btnBasAnalysP");
    QTableView& rows = analysis("TPosAnalys").grid();
    const QModelIndex longest = rows.model()->index(3, 0);
    EXPECT_EQ(longest.data(Qt::ToolTipRole), longest.data());
    EXPECT_GE(rows.columnWidth(0), rows.fontMetrics().horizontalAdvance(longest.data().toString()));
}

}  // namespace
}  // namespace zelkor::test
