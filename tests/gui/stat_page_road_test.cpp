// The typical road on the energy page through the real controls: basic
// analysis, a committed 1 x sigma filter, "Default" and "Data" on the filtered
// spectrum, then Select All and Copy of the table.
#include "stat_page_fixture.hpp"

#include <QApplication>
#include <QClipboard>
#include <QTableView>

namespace zelkor::test {
namespace {

TEST_F(StatPageTest, TypicalRoadOnTheEnergyPage) {
    showTab(MainPage::EnergStat);
    click("btnBasAnalysE");
    ASSERT_TRUE(analysis("TEnAnalys").isVisible());
    EXPECT_EQ(analysis("TEnAnalys").windowTitle(), "Energy Analysis");
    EXPECT_EQ(
        analysisRows("TEnAnalys"),
        (std::vector<std::string>{"E(min) = 1.000000E+03 eV", "E(max) = 1.000000E+04 eV", "E(str) = 5.500000E+03 eV",
                                  "E(max) - E(min) = 9.000000E+03 eV", "Dispersion = 8.250000E+06 eV^2",
                                  "sigma = 2.872281E+03 eV", "3x sigma = 8.616844E+03 eV"}));
    EXPECT_EQ(text("lblStatusEnA"), "No Filter");
    EXPECT_FALSE(child<QWidget>("lblParRejectEnA").isVisible());
    EXPECT_TRUE(child<QWidget>("btnCloseEnA").isVisible());
    EXPECT_FALSE(child<QWidget>("btnOkEnA").isVisible());

    click("radbtnFXsigmaE");
    EXPECT_TRUE(child<QLineEdit>("editSpecFiltE").isEnabled());
    type("editSpecFiltE", "1");
    click("btnSpecFiltE");
    EXPECT_EQ(
        analysisRows("TEnAnalys"),
        (std::vector<std::string>{"E(min) = 3.000000E+03 eV", "E(max) = 8.000000E+03 eV", "E(str) = 5.500000E+03 eV",
                                  "E(max) - E(min) = 5.000000E+03 eV", "Dispersion = 2.916667E+06 eV^2",
                                  "sigma = 1.707825E+03 eV", "3x sigma = 5.123475E+03 eV"}));
    EXPECT_EQ(text("lblParRejectEnA"), "Number of particles rejected: 4 of 10");
    EXPECT_EQ(text("lblStatusEnA"), "1 x sigma");
    EXPECT_TRUE(child<QWidget>("btnOkEnA").isVisible());
    EXPECT_TRUE(child<QWidget>("btnCancelEnA").isVisible());
    EXPECT_FALSE(child<QWidget>("btnCloseEnA").isVisible());
    // Not committed yet: the page's own status still reads "No Filter".
    EXPECT_EQ(text("lblFStatusE"), "No Filter");
    EXPECT_EQ(rejected(), 4);

    click("btnOkEnA");
    EXPECT_FALSE(analysis("TEnAnalys").isVisible());
    EXPECT_EQ(text("lblFStatusE"), "1 x sigma");
    EXPECT_TRUE(window.state().filterOf(StatPage::Energy).active);

    click("radbtnFilteredE");
    click("btnDefaultE");
    EXPECT_EQ(text("lbeditRanofIntE"), "4.950500E+01");
    dialogs.confirmAnswers.push_back(true);
    click("btnDataE");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (Message{"Number of intervals: 101", "Number of intervals", MessageIcon::Information}));
    auto& table = child<QTableView>("strgEnData");
    ASSERT_TRUE(table.isVisible());
    EXPECT_EQ(table.model()->headerData(1, Qt::Horizontal).toString(), " Interval Kin. Energy [eV]");
    EXPECT_EQ(table.model()->headerData(0, Qt::Horizontal).toString(), " Order");
    EXPECT_EQ(table.model()->headerData(2, Qt::Horizontal).toString(), " Number of ions");
    const auto& rows = tableRows('E');
    ASSERT_EQ(rows.size(), 101u);
    EXPECT_EQ(rows.front(), (std::vector<std::string>{"1", "<3.000E+03, 3.050E+03)", "1"}));
    EXPECT_EQ(rows.back(), (std::vector<std::string>{"101", "<7.950E+03, 8.000E+03)", "1"}));
    EXPECT_EQ(tableSum('E'), 6);
    EXPECT_FALSE(child<QWidget>("graphE").isVisible());
    EXPECT_FALSE(child<QWidget>("panelPlsWait").isVisible());

    trigger("SelectAll");
    EXPECT_EQ(window.state().copyTarget, CopyTarget::EnData);
    trigger("Copy");
    const std::string clipboard = QApplication::clipboard()->text().toStdString();
    EXPECT_EQ(clipboard.substr(0, clipboard.find('\n') + 1), "1\t<3.000E+03, 3.050E+03)\t1\t\r\n");
    EXPECT_EQ(std::count(clipboard.begin(), clipboard.end(), '\n'), 101);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(StatPageTest, AnalysisGridTakesPartInTheEditMenuWhileItsWindowIsShown) {
    showTab(MainPage::PosStat);
    click("btnBasAnalysP");
    trigger("SelectAll");
    EXPECT_EQ(window.state().copyTarget, CopyTarget::PoAnalys);
    trigger("Copy");
    const std::string clipboard = QApplication::clipboard()->text().toStdString();
    EXPECT_EQ(clipboard.substr(0, clipboard.find('\n') + 1), "Y(min) = 1.000000E+01 A\t\r\n");
    EXPECT_EQ(std::count(clipboard.begin(), clipboard.end(), '\n'), 7);
    // Close forgets the copy source; with the window gone the page's table is what counts.
    click("btnClosePoA");
    EXPECT_EQ(window.state().copyTarget, CopyTarget::None);
    trigger("SelectAll");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], WarningMessage("No data visible"));
}

TEST_F(StatPageTest, NoFilterRunReportsAllIonsAndPositionLabelsWithoutBlanks) {
    showTab(MainPage::PosStat);
    click("rbtnPosabsY");
    click("btnSpecFiltP");
    const auto rows = analysisRows("TPosAnalys");
    EXPECT_EQ(rows[0], "|Y|(min) = 1.000000E+01 A");
    EXPECT_EQ(rows[3], "|Y|(max) - |Y|(min) = 9.000000E+01 A");
    EXPECT_EQ(text("lblParRejectPoA"), "Number of particles rejected: 0 of 10");
    EXPECT_TRUE(child<QWidget>("lblParRejectPoA").isVisible());
    EXPECT_EQ(text("lblStatusPoA"), "No Filter");
    EXPECT_TRUE(child<QWidget>("btnClosePoA").isVisible());
    EXPECT_FALSE(child<QWidget>("btnOkPoA").isVisible());
    // Basic analysis spells the same label with blanks.
    click("btnBasAnalysP");
    EXPECT_EQ(analysisRows("TPosAnalys")[0], "| Y | (min) = 1.000000E+01 A");
}

TEST_F(StatPageTest, CancelAcceptsEveryIonAndKeepsTheCommittedStatus) {
    showTab(MainPage::EnergStat);
    commitFilter('E', "2");
    click("radbtnFXsigmaE");
    type("editSpecFiltE", "1");
    click("btnSpecFiltE");
    EXPECT_EQ(rejected(), 4);
    click("btnCancelEnA");
    EXPECT_EQ(rejected(), 0);
    EXPECT_EQ(text("lblFStatusE"), "2 x sigma");
    EXPECT_TRUE(window.state().filterOf(StatPage::Energy).active);
    EXPECT_EQ(window.state().filterOf(StatPage::Energy).multiplier, 2.0);
}

TEST_F(StatPageTest, ClosingAPendingOutcomeByTheTitleBarDiscardsIt) {
    showTab(MainPage::EnergStat);
    click("radbtnFXsigmaE");
    type("editSpecFiltE", "1");
    click("btnSpecFiltE");
    EXPECT_EQ(rejected(), 4);
    analysis("TEnAnalys").close();
    EXPECT_FALSE(analysis("TEnAnalys").isVisible());
    EXPECT_EQ(rejected(), 0);
    EXPECT_FALSE(window.state().filterOf(StatPage::Energy).active);
}

}  // namespace
}  // namespace zelkor::test
