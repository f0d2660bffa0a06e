// Refusals of the statistics pages, in the order the pages check: availability,
// then the typed numbers; a refused action changes nothing it shows.
#include "stat_page_fixture.hpp"

namespace zelkor::test {
namespace {

class StatPageWithoutData : public WindowTest {};

TEST_F(StatPageWithoutData, EveryActionOfEveryPageNeedsData) {
    for (const char* button : {"btnBasAnalysE", "btnSpecFiltM", "btnDefaultP", "btnDataA", "btnGraphE"}) {
        dialogs.messages.clear();
        child<QAbstractButton>(button).click();
        ASSERT_EQ(dialogs.messages.size(), 1u) << button;
        EXPECT_EQ(dialogs.messages[0], ErrorMessage("No data available! Open a file please.")) << button;
    }
    for (const char* window : {"TEnAnalys", "TMomAnalys", "TPosAnalys", "TAngAnalys"})
        EXPECT_FALSE(child<QWidget>(window).isVisible()) << window;
}

TEST_F(StatPageTest, EnergyPerNucleonAndMomentumWaitForTheRelativisticCalculation) {
    showTab(MainPage::EnergStat);
    click("radbtnEnergA");
    click("btnBasAnalysE");
    const Message missing =
        WarningMessage("Missing value A (number of nucleons) and amu (ion mass in atomic mass unit)");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], missing);
    EXPECT_FALSE(analysis("TEnAnalys").isVisible());
    click("btnBasAnalysM");
    EXPECT_EQ(dialogs.messages.back(), missing);

    // What the relativistic window will leave behind.
    window.state().relativisticCalculated = true;
    window.state().A = 4;
    for (int i = 1; i <= window.set().count; ++i) window.set().record(i).momentum = 1000.0 * i;
    click("btnBasAnalysE");
    EXPECT_EQ(analysisRows("TEnAnalys")[0], "E/A(min) = 2.500000E+02 eV");
    click("btnBasAnalysM");
    EXPECT_EQ(analysisRows("TMomAnalys")[4], "Dispersion = 8.250000E+06 (eV/c)^2");
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(StatPageTest, WinAgilePointsAreRefusedOnTheEnergyAndMomentumPagesOnly) {
    importWinAgile(writeFile("beam.pnt", WinAgileFileText()));
    dialogs.messages.clear();
    click("btnBasAnalysE");
    click("btnDefaultM");
    click("btnBasAnalysP");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0], WarningMessage("This function is available only for TRANSMIT.TXT"));
    EXPECT_EQ(dialogs.messages[1], WarningMessage("This function is available only for TRANSMIT.TXT"));
    EXPECT_TRUE(analysis("TPosAnalys").isVisible());
}

TEST_F(StatPageTest, FilterMultiplierIsCheckedBeforeAnythingChanges) {
    showTab(MainPage::AngStat);
    click("radbtnFXsigmaA");
    click("btnSpecFiltA");
    type("editSpecFiltA", "abc");
    click("btnSpecFiltA");
    type("editSpecFiltA", "1000.5");
    click("btnSpecFiltA");
    type("editSpecFiltA", "0.0009");
    click("btnSpecFiltA");
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{
                                  "Missing value sigma multiplier", "Value sigma multiplier must be real number > 0",
                                  "Value sigma multiplier is too high. Value must be > 0.001 and <= 1000",
                                  "Value sigma multiplier is too low. Value must be > 0.001 and <= 1000"}));
    EXPECT_FALSE(analysis("TAngAnalys").isVisible());
    EXPECT_EQ(rejected(), 0);
}

TEST_F(StatPageTest, HistogramChecksComeInTheirOrder) {
    showTab(MainPage::PosStat);
    click("radbtnDXsigmaP");
    click("btnDataP");  // width empty comes before the empty zoom
    type("lbeditRanofIntP", "0");
    click("btnDataP");
    type("lbeditRanofIntP", "5");
    click("btnDataP");  // now the zoom multiplier
    type("editSpecDispP", "1");
    type("lbeditRanofIntP", "1000");
    click("btnGraphP");  // wider than the range: the position graph's wording
    type("lbeditRanofIntP", "0.01");
    click("btnDataP");
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{
                                  "Missing value Range of interval", "Value Range of interval must be real number > 0",
                                  "Missing value sigma multiplier",
                                  "Value range of interval is too high\nNumber of intervals is: < 1\n"
                                  "Number of intervals must be >= 1 and <= 1001",
                                  "Value Range of interval is too low\nNumber of intervals is: 5745\n"
                                  "Number of intervals must be >= 1 and <= 1001"}));
    EXPECT_EQ(dialogs.messages[3].caption, "Warning");
    EXPECT_EQ(dialogs.messages[0].caption, "Error");
    EXPECT_FALSE(child<QWidget>("strgPoData").isVisible());
    EXPECT_FALSE(child<QWidget>("graphP").isVisible());
}

TEST_F(StatPageTest, EnergyGraphWordsTheZoomLimitsItsOwnWay) {
    showTab(MainPage::EnergStat);
    click("radbtnDXsigmaE");
    type("lbeditRanofIntE", "100");
    type("editSpecDispE", "0.0009");
    click("btnGraphE");
    click("btnDataE");
    EXPECT_EQ(messageTexts(),
              (std::vector<std::string>{"Value sigma multiplier is too low. Value must be >= 0.001 and <= 1000",
                                        "Value sigma multiplier is too low. Value must be > 0.001 and <= 1000"}));
}

}  // namespace
}  // namespace zelkor::test
