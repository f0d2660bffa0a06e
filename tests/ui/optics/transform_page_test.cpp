// The "Transform" page: the matrix fields, "Calculate", the listing grid and
// File > Save > Transformed File.
#include "optics_page_fixture.hpp"

#include "optics/ui/transform_model.hpp"
#include "state/copy_target.hpp"
#include "widgets/edit_commands.hpp"
#include "widgets/file_dialog_setups.hpp"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QTableView>

#include <algorithm>

namespace zelkor::test {
namespace {

// An ion with y = 0, cos_x = 0.8, cos_y = 0.6, and one at (1 mm, 2 mrad).
std::string DriftText() {
    return SrimTransmitHeader("== Layer ==") + Lines({"T    1  1 1.000000E+06  1.000000E+04  0.0000000000E+00  "
                                                      "0.0000000000E+00  0.8000000000  0.6000000000  0.0000000000",
                                                      "T    2  1 1.000000E+06  1.000000E+04  1.0000000000E+07  "
                                                      "0.0000000000E+00  1.0000000000  0.0020000000  0.0000000000"});
}

class TransformPageTest : public OpticsPageTest {
protected:
    void SetUp() override {
        open(writeFile("DRIFT.TXT", DriftText()));
        dialogs.messages.clear();
        dialogs.fileDialogs.clear();
        showTab(MainPage::Trans);
    }
    void setMatrix(const std::vector<const char*>& texts) {
        for (std::size_t k = 0; k < texts.size(); ++k) transform().matrixEdits()[k]->setText(texts[k]);
    }
    QString cell(int gridRow, int column) {
        return transform().grid().model()->index(gridRow - 1, column).data().toString();
    }
    QGroupBox& box() { return child<QGroupBox>("grboxTransMatrix"); }
    QTableView& grid() { return child<QTableView>("strgTransform"); }
};

TEST_F(OpticsPageTest, TransformCommandsWithoutDataSaySo) {
    click("btnTransMatrix");
    click("btnCalcTrans");
    trigger(MenuCommand::SaveTransformedFile);
    EXPECT_EQ(dialogs.messages, std::vector<Message>(3, ErrorMessage(kNoDataText)));
    EXPECT_TRUE(dialogs.fileDialogs.empty());
}

TEST_F(TransformPageTest, MatrixBoxShowsTheIdentityUnderItsLabels) {
    click("btnTransMatrix");
    ASSERT_TRUE(box().isVisible());
    EXPECT_EQ(box().title(), "Transform");
    std::vector<QString> texts;
    for (QLineEdit* edit : transform().matrixEdits()) texts.push_back(edit->text());
    EXPECT_EQ(texts,
              (std::vector<QString>{"1", "0", "0", "0", "0", "1", "0", "0", "0", "0", "1", "0", "0", "0", "0", "1"}));
    EXPECT_EQ(transform().matrixEdits()[1]->objectName(), "editHH12");
    std::vector<QString> labels;
    for (QLabel* label : box().findChildren<QLabel*>()) labels.push_back(label->text());
    for (const char* label :
         {"< hh11 >  [ 1 ]", "< hh12 >  [ m ]", "< hh21 >  [ 1/m ]", "< hv22 >  [ 1 ]", "< vh12 >  [ m ]"})
        EXPECT_NE(std::find(labels.begin(), labels.end(), QString(label)), labels.end()) << label;
}

TEST_F(TransformPageTest, CalculateStopsAtTheFirstBadFieldAndKeepsTheMatrix) {
    click("btnTransMatrix");
    setMatrix({"2", "", "0", "0", "0", "1", "0", "0", "0", "x"});
    click("btnCalcTrans");
    transform().matrixEdits()[1]->setText("-3.5");
    click("btnCalcTrans");
    transform().matrixEdits()[9]->setText("0");
    transform().matrixEdits()[6]->setText("");
    click("btnCalcTrans");
    EXPECT_EQ(messageTexts(),
              (std::vector<std::string>{"Missing value hh12", "Value vh12 must be real number", "Missing value hv21"}));
    EXPECT_EQ(host.state.transferMatrix, IdentityMatrix4());
    EXPECT_TRUE(box().isVisible());
    EXPECT_FALSE(grid().isVisible());
}

TEST_F(TransformPageTest, DriftListsEveryIonFormattedAndCopiesWithSelectAll) {
    click("btnTransMatrix");
    setMatrix({"1", "1", "0", "0", "0", "1", "0", "0", "0", "0", "1", "1", "0", "0", "0", "1"});
    click("btnCalcTrans");
    ASSERT_TRUE(grid().isVisible());
    EXPECT_FALSE(box().isVisible());
    QAbstractItemModelTester tester(grid().model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(grid().model()->rowCount(), 2);
    EXPECT_EQ(grid().model()->headerData(8, Qt::Horizontal).toString(), "dZ/dX(new) [rad]");
    EXPECT_EQ(cell(1, 0), "1");
    EXPECT_EQ(cell(1, 2), "7.5000000000E-01");
    EXPECT_EQ(cell(1, 4), "7.5000000000E-01");
    EXPECT_EQ(cell(2, 1), "1.0000000000E-03");
    EXPECT_EQ(cell(2, 2), "3.0000000000E-03");
    EXPECT_EQ(grid().columnWidth(0), 68);
    EXPECT_EQ(grid().columnWidth(8), 110);

    host.services().edit.SelectAllClick();
    EXPECT_EQ(host.state.copyTarget, CopyTarget::Transform);
    host.services().edit.CopyClick();
    const std::string copied = QApplication::clipboard()->text().toStdString();
    EXPECT_EQ(copied.substr(0, copied.find("\r\n")),
              "1\t0.0000000000E+00\t7.5000000000E-01\t7.5000000000E-01\t7.5000000000E-01\t0.0000000000E+00\t"
              "0.0000000000E+00\t0.0000000000E+00\t0.0000000000E+00\t");
}

TEST_F(TransformPageTest, TransformedFileFollowsTheLoadedKind) {
    setMatrix({"1", "1", "0", "0", "0", "1", "0", "0", "0", "0", "1", "1", "0", "0", "0", "1"});
    click("btnCalcTrans");
    dialogs.cancel();
    trigger(MenuCommand::SaveTransformedFile);
    const auto txt = dir.path() / "moved.txt";
    dialogs.answer(txt);
    trigger(MenuCommand::SaveTransformedFile);
    EXPECT_NE(ReadBytes(txt).find("T    1  1 1.000000E+06 1.000000E+04  7.5000000000E+09"), std::string::npos);

    importTrimDat(writeFile("TRIM.DAT", TrimDatFileText()));
    const auto dat = dir.path() / "moved.dat";
    dialogs.answer(dat);
    trigger(MenuCommand::SaveTransformedFile);
    importWinAgile(writeFile("P.PNT", WinAgileFileText()));
    const auto pnt = dir.path() / "moved.pnt";
    dialogs.answer(pnt);
    trigger(MenuCommand::SaveTransformedFile);
    EXPECT_EQ(ReadBytes(pnt).substr(0, 18), "-1.0000000000E-03\t");

    EXPECT_TRUE(dialogs.messages.empty()) << messageTexts().front();
    EXPECT_TRUE(std::filesystem::exists(dat));
    EXPECT_EQ(dialogs.fileDialogs,
              (std::vector<FileDialogSetup>{SaveDialog(), SaveDialog(), SaveDialog(".dat", "TRIM.DAT|*.dat"),
                                            SaveDialog(".pnt", "WinAGILE Point File|*.pnt")}));
    // A folder that does not exist cannot hold the file.
    dialogs.answer(dir.path() / "no" / "such.pnt");
    trigger(MenuCommand::SaveTransformedFile);
    EXPECT_EQ(dialogs.messages, std::vector<Message>{ErrorMessage(kCannotSaveText)});
}

TEST_F(TransformPageTest, ResetBeforeALoadRestoresTheIdentityAndHidesBoxAndGrid) {
    setMatrix({"2"});
    click("btnCalcTrans");
    ASSERT_TRUE(grid().isVisible());
    transform().matrixEdits()[5]->setText("7");
    click("btnTransMatrix");
    open(writeFile("AGAIN.TXT", DriftText()));
    EXPECT_FALSE(grid().isVisible());
    EXPECT_FALSE(box().isVisible());
    EXPECT_EQ(transform().matrixEdits()[0]->text(), "1");
    EXPECT_EQ(transform().matrixEdits()[5]->text(), "1");
    EXPECT_EQ(host.state.transferMatrix, IdentityMatrix4());
    EXPECT_EQ(grid().model()->rowCount(), 0);
}

}  // namespace
}  // namespace zelkor::test
