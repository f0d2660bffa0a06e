// The pages share one array of accepted flags: a page change resets them and
// brings back only the energy filter, and each page restores its own filter
// when it shows its filtered spectrum. The reset before a load clears the pages.
#include "stat_page_fixture.hpp"

#include <QTableView>

namespace zelkor::test {
namespace {

TEST_F(StatPageTest, PageChangeReappliesOnlyTheEnergyFilter) {
    showTab(MainPage::EnergStat);
    commitFilter('E', "1");
    EXPECT_EQ(rejected(), 4);
    showTab(MainPage::PosStat);
    EXPECT_EQ(rejected(), 0);
    showTab(MainPage::EnergStat);
    EXPECT_EQ(rejected(), 4);

    showTab(MainPage::PosStat);
    commitFilter('P', "1");
    EXPECT_EQ(text("lblFStatusP"), "1 x sigma");
    showTab(MainPage::AngStat);
    EXPECT_EQ(rejected(), 0);
    showTab(MainPage::PosStat);
    // The position page keeps its status, but the flags wait for its filtered display.
    EXPECT_EQ(text("lblFStatusP"), "1 x sigma");
    EXPECT_EQ(rejected(), 0);
}

TEST_F(StatPageTest, EachHistogramBringsTheFlagsIntoItsOwnPagesState) {
    showTab(MainPage::PosStat);
    commitFilter('P', "1");
    showTab(MainPage::EnergStat);  // the energy page has no filter: every ion accepted
    ASSERT_EQ(rejected(), 0);
    showTab(MainPage::PosStat);

    click("radbtnFilteredP");
    click("btnDefaultP");
    EXPECT_EQ(rejected(), 4);  // "Default" re-applied the position filter
    dialogs.confirmAnswers = {true, true};
    click("btnDataP");
    EXPECT_EQ(tableSum('P'), 6);
    EXPECT_EQ(tableRows('P').size(), 101u);

    // Whole spectrum: the filter stays committed but every ion counts.
    click("radbtnWholeP");
    EXPECT_EQ(text("lbeditRanofIntP"), "");
    type("lbeditRanofIntP", "9");  // reaches beyond both ends: no ion lies on the upper edge
    click("btnDataP");
    EXPECT_EQ(rejected(), 0);
    EXPECT_EQ(tableSum('P'), 10);
    EXPECT_EQ(text("lblFStatusP"), "1 x sigma");
}

TEST_F(StatPageTest, ZoomUsesTheFlagsAsTheLastOperationLeftThem) {
    showTab(MainPage::EnergStat);
    commitFilter('E', "1");
    click("radbtnDXsigmaE");
    EXPECT_TRUE(child<QLineEdit>("editSpecDispE").isEnabled());
    type("editSpecDispE", "2");
    click("btnDefaultE");
    // mean 5500 and sigma 1707.825 of the six accepted ions: 4 sigma over 101 intervals.
    EXPECT_EQ(text("lbeditRanofIntE"), "6.763671E+01");
    click("radbtnWholeE");
    EXPECT_EQ(text("editSpecDispE"), "");
    EXPECT_EQ(text("lbeditRanofIntE"), "");
    EXPECT_FALSE(child<QLineEdit>("editSpecDispE").isEnabled());
}

TEST_F(StatPageTest, QuantityChangeReturnsThePageToNoFilter) {
    showTab(MainPage::PosStat);
    commitFilter('P', "1");
    type("lbeditRanofIntP", "10");
    dialogs.confirmAnswers.push_back(true);
    click("btnDataP");
    ASSERT_TRUE(child<QWidget>("strgPoData").isVisible());
    click("rbtnPosZ");
    EXPECT_FALSE(child<QWidget>("strgPoData").isVisible());
    EXPECT_TRUE(child<QRadioButton>("radbtnNoFilterP").isChecked());
    EXPECT_EQ(text("lblFStatusP"), "No Filter");
    EXPECT_EQ(text("lbeditRanofIntP"), "");
    EXPECT_FALSE(child<QLineEdit>("editSpecFiltP").isEnabled());
    EXPECT_FALSE(window.state().filterOf(StatPage::Position).active);
    EXPECT_EQ(window.state().positionQuantity, QuantityId::PosZ);
    EXPECT_EQ(rejected(), 0);
}

TEST_F(StatPageTest, UnitChoiceShowsInTheRangeLabelWhenTheQuantityChanges) {
    window.state().unitOf(QuantityId::KinEnerg) = 2;
    showTab(MainPage::EnergStat);
    click("radbtnEnergA");
    EXPECT_EQ(text("lbeditRanofIntLabelE"), "Range of Interval [eV]");
    click("radbtnKinEnerg");
    EXPECT_EQ(text("lbeditRanofIntLabelE"), "Range of Interval [MeV]");
}

TEST_F(StatPageTest, LoadResetsEveryPage) {
    showTab(MainPage::EnergStat);
    commitFilter('E', "1");
    click("radbtnFilteredE");
    click("btnDefaultE");
    dialogs.confirmAnswers.push_back(true);
    click("btnDataE");
    showTab(MainPage::AngStat);
    click("radbtnDXsigmaA");
    type("editSpecDispA", "3");
    click("btnBasAnalysA");
    ASSERT_TRUE(analysis("TAngAnalys").isVisible());

    open(writeFile("AGAIN.TXT", TenIonTransmitText()));
    EXPECT_FALSE(analysis("TAngAnalys").isVisible());
    EXPECT_FALSE(child<QWidget>("strgEnData").isVisible());
    EXPECT_EQ(text("lblFStatusE"), "No Filter");
    EXPECT_TRUE(child<QRadioButton>("radbtnNoFilterE").isChecked());
    EXPECT_TRUE(child<QRadioButton>("radbtnWholeE").isChecked());
    EXPECT_TRUE(child<QRadioButton>("radbtnWholeA").isChecked());
    EXPECT_EQ(text("editSpecDispA"), "");
    EXPECT_FALSE(child<QLineEdit>("editSpecDispA").isEnabled());
    EXPECT_EQ(text("lbeditRanofIntE"), "");
    EXPECT_EQ(text("editSpecFiltE"), "");
    EXPECT_EQ(window.state().displayModeOf(StatPage::Angle), DisplayMode::Whole);
    EXPECT_EQ(rejected(), 0);
}

TEST_F(StatPageTest, WinAgileImportSwitchesTheAngleChoicesAndLabels) {
    importWinAgile(writeFile("beam.pnt", WinAgileFileText()));
    EXPECT_FALSE(child<QWidget>("rbtnAngX").isEnabled());
    EXPECT_TRUE(child<QRadioButton>("rbtndYdX").isChecked());
    EXPECT_EQ(window.state().angleQuantity, QuantityId::dYdX);
    // The captions name the units the pages compute in (A and rad), not the file's own.
    EXPECT_EQ(text("lbeditRanofIntLabelP"), "Range of Interval [A]");
    EXPECT_EQ(text("lbeditRanofIntLabelA"), "Range of Interval [rad]");
    open(writeFile("AGAIN.TXT", TenIonTransmitText()));
    EXPECT_TRUE(child<QWidget>("rbtnAngX").isEnabled());
    EXPECT_TRUE(child<QRadioButton>("rbtnAngX").isChecked());
    EXPECT_EQ(window.state().angleQuantity, QuantityId::AngX);
    EXPECT_EQ(text("lbeditRanofIntLabelA"), "Range of Interval [deg]");
}

}  // namespace
}  // namespace zelkor::test
