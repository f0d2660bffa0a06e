// Edit > Select All, Select Columns, Deselect All and Copy, selections made
// with the mouse, the deselect on focus loss and the Ctrl+C hand-over.
#include "widgets/copy_shortcut_hand_over.hpp"
#include "particles/ui/data_page.hpp"
#include "widgets/edit_commands.hpp"
#include "widgets/table_view_grid.hpp"
#include "stats/ui/analysis_window.hpp"
#include "window_fixture.hpp"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

namespace zelkor::test {
namespace {

const std::string kRow1 =
    "1\t3.650895E+06\t1.000000E+05\t-8.619000E+01\t-1.016000E+02\t0.9999324\t0.0013460\t-0.0115474\t\r\n";
const std::string kRow2 =
    "2\t3.658839E+06\t1.000000E+05\t1.105000E+02\t-8.610000E+02\t0.9998046\t0.0167895\t-0.0104302\t\r\n";

std::string Clipboard() { return QApplication::clipboard()->text().toStdString(); }

class EditMenu : public WindowTest {
protected:
    void SetUp() override {
        openTransmit();
        dataPage().btnPreviewClick();
        dialogs.messages.clear();
    }
    QPoint cellCentre(int gridRow, int column) {
        return grid().visualRect(grid().model()->index(gridRow - 1, column)).center();
    }
    void clickCell(int gridRow, int column, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, modifiers, cellCentre(gridRow, column));
    }
    GridRect selection() { return dataPage().editableGrid().selection(); }
};

TEST_F(EditMenu, SelectAllAndCopyPutEveryCellWithTabsAndCrLf) {
    trigger("SelectAll");
    EXPECT_EQ(selection(), (GridRect{0, 1, 7, 2}));
    EXPECT_EQ(window.state().copyTarget, CopyTarget::DataProc);
    trigger("Copy");
    EXPECT_EQ(Clipboard(), kRow1 + kRow2);
    EXPECT_TRUE(child<QWidget>("panelCpyToCbr").isVisible());
    EXPECT_TRUE(child<QTimer>("timerCpyToCbr").isActive());
    EXPECT_FALSE(child<QWidget>("panelPlsWait").isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EditMenu, ShortcutKeysInTheGridRunTheMenuCommands) {
    clickCell(1, 1);
    QTest::keyClick(&grid(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(selection(), (GridRect{0, 1, 7, 2}));
    QTest::keyClick(&grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), kRow1 + kRow2);
    QTest::keyClick(&grid(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(selection(), kNoCell);
    EXPECT_TRUE(grid().hasFocus());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EditMenu, ClickedCellsCopyAsTheUserSelectedThem) {
    clickCell(2, 3);
    EXPECT_EQ(window.state().copyTarget, CopyTarget::DataProc);
    trigger("Copy");
    EXPECT_EQ(Clipboard(), "1.105000E+02\t\r\n");

    clickCell(1, 1);
    clickCell(1, 2, Qt::ShiftModifier);
    EXPECT_EQ(selection(), (GridRect{1, 1, 2, 1}));
    trigger("Copy");
    EXPECT_EQ(Clipboard(), "3.650895E+06\t1.000000E+05\t\r\n");
}

TEST_F(EditMenu, SelectColumnsStretchesTheSelectedColumnsOverEveryRow) {
    clickCell(1, 1);
    clickCell(1, 3, Qt::ShiftModifier);
    trigger("Selectcolumn");
    EXPECT_EQ(selection(), (GridRect{1, 1, 3, 2}));
    trigger("Copy");
    EXPECT_EQ(Clipboard(),
              "3.650895E+06\t1.000000E+05\t-8.619000E+01\t\r\n"
              "3.658839E+06\t1.000000E+05\t1.105000E+02\t\r\n");
}

TEST_F(EditMenu, DeselectAllLeavesNothingToCopy) {
    trigger("SelectAll");
    trigger("DeselectAll");
    EXPECT_EQ(selection(), kNoCell);
    EXPECT_EQ(window.state().copyTarget, CopyTarget::None);
    QApplication::clipboard()->setText("before");
    trigger("Copy");
    EXPECT_EQ(dialogs.messages, std::vector<Message>{WarningMessage("No data selected")});
    EXPECT_EQ(Clipboard(), "before");
}

TEST_F(EditMenu, CommandsWithoutAVisibleGridSayNoDataVisible) {
    dataPage().btnCoorSysClick();
    trigger("SelectAll");
    trigger("Selectcolumn");
    trigger("DeselectAll");
    child<QTabWidget>("PageControl1").setCurrentIndex(static_cast<int>(MainPage::Emitt));
    trigger("SelectAll");
    EXPECT_EQ(dialogs.messages, std::vector<Message>(4, WarningMessage("No data visible")));
}

TEST_F(EditMenu, GridLosingTheFocusToAButtonDeselects) {
    clickCell(1, 1);
    ASSERT_TRUE(grid().hasFocus());
    // The button opens the modal "Position" window; it is closed at once.
    WhenModalOpens(window, [this] { child<QDialog>("TPositions").reject(); });
    QTest::mouseClick(&child<QPushButton>("btnPosition"), Qt::LeftButton);
    EXPECT_EQ(selection(), kNoCell);
    trigger("Copy");
    EXPECT_EQ(dialogs.messages, std::vector<Message>{WarningMessage("No data selected")});
}

TEST_F(EditMenu, OpeningAMenuKeepsTheSelection) {
    clickCell(1, 1);
    QMenu menu(&window);
    menu.addAction("something");
    menu.popup(window.mapToGlobal(QPoint(50, 50)));
    QTest::qWait(20);
    menu.close();
    EXPECT_EQ(selection(), (GridRect{1, 1, 1, 1}));
    trigger("Copy");
    EXPECT_EQ(Clipboard(), "3.650895E+06\t\r\n");
}

TEST_F(EditMenu, NewLoadClearsTheSelectionAndCopyTarget) {
    trigger("SelectAll");
    importTrimDat(writeFile("TRIM.DAT", TrimDatFileText()));
    EXPECT_EQ(window.state().copyTarget, CopyTarget::None);
    dataPage().btnPreviewClick();
    EXPECT_EQ(selection(), kNoCell);
}

TEST_F(EditMenu, ShownAnalysisWindowTakesPrecedenceAndCopiesOnlyItsColumn) {
    // The energy window goes before the position window, and both before the page.
    child<QPushButton>("btnBasAnalysE").click();
    child<QPushButton>("btnBasAnalysP").click();
    auto& energy = child<AnalysisWindow>("TEnAnalys");
    auto& position = child<AnalysisWindow>("TPosAnalys");
    energy.hide();

    trigger("SelectAll");
    EXPECT_EQ(position.editableGrid().selection(), (GridRect{0, 0, 0, 6}));
    EXPECT_EQ(window.state().copyTarget, CopyTarget::PoAnalys);
    EXPECT_EQ(selection(), kNoCell);
    position.editableGrid().setSelection({0, 2, 0, 3});
    trigger("Copy");
    const auto* rows = position.grid().model();
    EXPECT_EQ(Clipboard(), rows->index(2, 0).data().toString().toStdString() + "\t\r\n" +
                               rows->index(3, 0).data().toString().toStdString() + "\t\r\n");
    EXPECT_FALSE(child<QWidget>("panelCpyToCbr").isVisible());

    energy.show();
    trigger("SelectAll");
    EXPECT_EQ(window.state().copyTarget, CopyTarget::EnAnalys);
    trigger("DeselectAll");
    EXPECT_EQ(energy.editableGrid().selection(), kNoCell);
    EXPECT_EQ(window.state().copyTarget, CopyTarget::None);
}

TEST_F(EditMenu, CtrlCBelongsToAnInputFieldWhileItHasTheFocus) {
    auto* field = new QLineEdit("typed 42", &window.page(MainPage::DataProc));
    window.services().copyHandOver.join(*field);
    field->show();
    QAction& copy = child<QAction>("Copy");

    trigger("SelectAll");
    grid().setFocus();
    QTest::keyClick(&grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), kRow1 + kRow2);

    field->setFocus();
    EXPECT_TRUE(copy.shortcut().isEmpty());
    field->selectAll();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "typed 42");

    grid().setFocus();
    EXPECT_EQ(copy.shortcut(), QKeySequence("Ctrl+C"));
}

}  // namespace
}  // namespace zelkor::test
