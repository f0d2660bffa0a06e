// The "Position" and "Angles" windows installed with the data page into a
// stand-in host: their checks, the unit codes they set, and the tables they
// put into the data grid.
#include "particles/ui/data_grid_model.hpp"
#include "particles/ui/data_page.hpp"
#include "particles/ui/install_data_page.hpp"
#include "particles/ui/unit_rows_window.hpp"
#include "support/ui/host_fixture.hpp"
#include "widgets/edit_commands.hpp"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace zelkor::test {
namespace {

QStringList Titles(const QTableView& view) {
    QStringList titles;
    for (int c = 0; c < view.model()->columnCount(); ++c)
        titles << view.model()->headerData(c, Qt::Horizontal).toString();
    return titles;
}

class IonTables : public HostTest {
protected:
    IonTables() { host.listen(InstallDataPage(host.services()).listeners); }
    UnitRowsWindow& positions() { return child<UnitRowsWindow>("TPositions"); }
    UnitRowsWindow& angles() { return child<UnitRowsWindow>("TAngles"); }
    QTableView& grid() { return child<QTableView>("strgDataProc"); }
    DataPage& dataPage() { return child<DataPage>("DataPage"); }
    // "Calculation", then the one-shot timer as if its 100 ms had passed.
    void calculate(UnitRowsWindow& window, const char* button) {
        click(button);
        ASSERT_TRUE(window.timer().isActive());
        window.timerFired();
    }
};

TEST_F(IonTables, NothingTickedIsRefusedAndTheWindowStays) {
    openTransmit();
    click("btnPosOK");
    click("btnAngCalc");
    EXPECT_EQ(dialogs.messages,
              (std::vector<Message>{WarningMessage("No items selected"), WarningMessage("No items selected")}));
    EXPECT_FALSE(positions().timer().isActive());
    EXPECT_FALSE(angles().timer().isActive());
}

TEST_F(IonTables, UnitButtonsFollowTheirTickBox) {
    auto& nm = child<QRadioButton>("rbtnZnm");
    EXPECT_TRUE(child<QRadioButton>("rbtnZA").isChecked());
    EXPECT_FALSE(nm.isEnabled());
    click("chboxZ");
    EXPECT_TRUE(nm.isEnabled());
    click("btnPosDesAll");
    EXPECT_FALSE(nm.isEnabled());
    EXPECT_EQ(child<QRadioButton>("rbtnYum").text(), QString::fromUtf8("\xC2\xB5m"));
    EXPECT_EQ(child<QRadioButton>("rbtnYA").text(), QString::fromUtf8("\xC3\x85"));
}

TEST_F(IonTables, UnitButtonsStandInColumns) {
    positions().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&positions()));
    const auto left = [this](const char* name) { return child<QRadioButton>(name).mapTo(&positions(), QPoint()).x(); };
    EXPECT_EQ(left("rbtnY2Z2A"), left("rbtnYA"));
    EXPECT_EQ(left("rbtnY2Z2m"), left("rbtnAbsZm"));
    positions().hide();
}

TEST_F(IonTables, AbsZInMillimetresFillsTheGrid) {
    openTransmit();
    dataPage().btnPreviewClick();
    click("chboxAbsZ");
    click("rbtnAbsZmm");
    calculate(positions(), "btnPosOK");
    EXPECT_FALSE(grid().isHidden());
    EXPECT_EQ(Titles(grid()), (QStringList{" Ion", " | Z | [mm]"}));
    EXPECT_EQ(grid().model()->index(0, 1).data().toString(), "1.016000E-05");
    EXPECT_EQ(host.state.lastDataColumn, 1);
    QAbstractItemModelTester tester(grid().model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
}

TEST_F(IonTables, MicrometreTitleSurvivesSelectAllAndCopy) {
    openTransmit();
    click("btnPosSelAll");
    click("rbtnYum");
    calculate(positions(), "btnPosOK");
    EXPECT_EQ(Titles(grid()).size(), 6);
    EXPECT_EQ(Titles(grid())[1], QString::fromUtf8(" Y [\xC2\xB5m]"));
    host.services().edit.SelectAllClick();
    host.services().edit.CopyClick();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith("1\t-8.619000E-03\t-1.016000E+02\t")) << copied.toStdString();
}

TEST_F(IonTables, PointFileTabulatesSlopesOnlyAndIgnoresALeftOverAngleTick) {
    openTransmit();
    click("chboxAngX");
    importWinAgile(writeFile("beam.pnt", WinAgileFileText()));
    EXPECT_FALSE(child<QCheckBox>("chboxAngX").isEnabled());
    click("btnAngDesAll");
    EXPECT_TRUE(child<QCheckBox>("chboxAngX").isChecked());
    calculate(angles(), "btnAngCalc");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Titles(grid()), (QStringList{" Ion"}));

    click("btnAngSelAll");
    EXPECT_FALSE(child<QCheckBox>("chboxAngY").isChecked());
    calculate(angles(), "btnAngCalc");
    EXPECT_EQ(Titles(grid()), (QStringList{" Ion", " dY/dX [rad]", " dZ/dX [rad]"}));
    EXPECT_EQ(grid().model()->index(0, 1).data().toString(), "2.0000000000E-04");

    openTransmit();
    EXPECT_TRUE(child<QCheckBox>("chboxAngX").isEnabled());
}

}  // namespace
}  // namespace zelkor::test
