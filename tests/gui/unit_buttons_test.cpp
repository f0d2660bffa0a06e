// Every unit radio button of the Position, Angles and Relativistic
// Parameters windows, clicked: the statistics page of its quantity computes
// in the unit it names, and a width already on the page follows the unit;
// also when the window is cancelled.
#include "particles/ui/unit_rows_window.hpp"
#include "relativity/ui/relativistic_window.hpp"
#include "stat_page_fixture.hpp"
#include "support/srim_text.hpp"

#include <QCheckBox>

#include <cmath>
#include <cstdio>

namespace zelkor::test {
namespace {

constexpr double kDegree = 57.29577951308232;

// Ten ions whose energies, positions and directions all differ.
std::string VariedIonsText() {
    std::vector<std::string> lines;
    for (int k = 1; k <= 10; ++k) {
        const double cy = 0.001 * k * k, cz = -0.002 * k;
        const double cx = std::sqrt(1.0 - cy * cy - cz * cz);
        char line[200];
        std::snprintf(line, sizeof line, "T %4d  2 %.7E  1.0000000E+05 %.4E %.4E  %.7f %.7f %.7f", k, 1.0e6 * k * k,
                      37.0 * k, -200.0 + 55.0 * k * k, cx, cy, cz);
        lines.emplace_back(line);
    }
    return SrimTransmitHeader("== Layer ==") + Lines(lines);
}

struct UnitRowCase {
    const char* tickBox;  // the row's check box, which enables its buttons (none for energies)
    const char* quantityButton;
    char page;
    std::vector<const char*> buttons;  // in the order of their unit codes
    std::vector<double> factors;       // a value in each unit, for 1 in the first
};

const std::vector<UnitRowCase>& Cases() {
    static const std::vector<double> length{1, 0.1, 1e-4, 1e-7, 1e-10};
    static const std::vector<double> angle{1, 1 / kDegree, 1000 / kDegree};
    static const std::vector<double> slope{1, 1000};
    static const std::vector<double> energy{1, 1e-3, 1e-6, 1e-9};
    static const std::vector<UnitRowCase> cases{
        {"chboxY", "rbtnPosY", 'P', {"rbtnYA", "rbtnYnm", "rbtnYum", "rbtnYmm", "rbtnYm"}, length},
        {"chboxZ", "rbtnPosZ", 'P', {"rbtnZA", "rbtnZnm", "rbtnZum", "rbtnZmm", "rbtnZm"}, length},
        {"chboxAbsY", "rbtnPosabsY", 'P', {"rbtnAbsYA", "rbtnAbsYnm", "rbtnAbsYum", "rbtnAbsYmm", "rbtnAbsYm"}, length},
        {"chboxAbsZ", "rbtnPosabsZ", 'P', {"rbtnAbsZA", "rbtnAbsZnm", "rbtnAbsZum", "rbtnAbsZmm", "rbtnAbsZm"}, length},
        {"chboxY2Z2", "rbtnPosYZ", 'P', {"rbtnY2Z2A", "rbtnY2Z2nm", "rbtnY2Z2um", "rbtnY2Z2mm", "rbtnY2Z2m"}, length},
        {"chboxAngX", "rbtnAngX", 'A', {"rbtnAngXdeg", "rbtnAngXrad", "rbtnAngXmrad"}, angle},
        {"chboxAngY", "rbtnAngY", 'A', {"rbtnAngYdeg", "rbtnAngYrad", "rbtnAngYmrad"}, angle},
        {"chboxAngZ", "rbtnAngZ", 'A', {"rbtnAngZdeg", "rbtnAngZrad", "rbtnAngZmrad"}, angle},
        {"chboxdYdX", "rbtndYdX", 'A', {"rbtndYdXrad", "rbtndYdXmrad"}, slope},
        {"chboxdZdX", "rbtndZdX", 'A', {"rbtndZdXrad", "rbtndZdXmrad"}, slope},
        {nullptr, "radbtnKinEnerg", 'E', {"rbtnKEeV", "rbtnKEkeV", "rbtnKEMeV", "rbtnKEGeV"}, energy},
        {nullptr, "radbtnEnergA", 'E', {"rbtnEAeV", "rbtnEAkeV", "rbtnEAMeV", "rbtnEAGeV"}, energy},
        {nullptr, "radbtnEnergamu", 'E', {"rbtnEamueV", "rbtnEamukeV", "rbtnEamuMeV", "rbtnEamuGeV"}, energy},
        {"chckboxMom", nullptr, 'M', {"rbtnMomeV", "rbtnMomkeV", "rbtnMomMeV", "rbtnMomGeV"}, energy},
    };
    return cases;
}

class UnitButtons : public StatPageTest {
protected:
    void SetUp() override {
        open(writeFile("VARIED.TXT", VariedIonsText()));
        ASSERT_EQ(window.set().count, 10);
        type("lbeditA", "4");
        type("lbeditamu", "4.0026");
        click("btnCalc");
        child<RelativisticWindow>("TRelPar").timerFired();
        ASSERT_TRUE(window.state().relativisticCalculated);
        dialogs.messages.clear();
    }
    std::string name(const char* stem, char page) { return stem + std::string(1, page); }
    double width(char page) { return std::stod(text(name("lbeditRanofInt", page).c_str()).toStdString()); }
    double defaultWidth(char page) {
        click(name("btnDefault", page).c_str());
        return width(page);
    }
};

void ExpectScaled(double value, double expected, const std::string& what) {
    EXPECT_NEAR(value, expected, std::fabs(expected) * 2e-6) << what;
}

TEST_F(UnitButtons, EachButtonSetsItsQuantitysUnitOnItsPageAndTheWidthFollows) {
    for (const UnitRowCase& row : Cases()) {
        if (row.tickBox && !child<QCheckBox>(row.tickBox).isChecked()) click(row.tickBox);
        click(row.buttons[0]);
        if (row.quantityButton) click(row.quantityButton);
        const double base = defaultWidth(row.page);
        ASSERT_GT(base, 0.0) << row.buttons[0];
        for (std::size_t code = 1; code < row.buttons.size(); ++code) {
            click(row.buttons[code]);
            const double expected = base * row.factors[code];
            // The width on the page is the same width, now in the new unit...
            ExpectScaled(width(row.page), expected, std::string(row.buttons[code]) + " converted");
            // ... and the page computes in that unit.
            ExpectScaled(defaultWidth(row.page), expected, std::string(row.buttons[code]) + " computed");
        }
        click(row.buttons[0]);
        ExpectScaled(width(row.page), base, std::string(row.buttons[0]) + " back");
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(UnitButtons, AWidthComputedInNanometresIsNotReadInMillimetres) {
    click("chboxY");
    click("rbtnYnm");
    showTab(MainPage::PosStat);
    click("btnDefaultP");
    const double nanometres = width('P');
    dialogs.confirmAnswers.push_back(true);
    click("btnDataP");
    auto& table = child<QTableView>("strgPoData");
    ASSERT_FALSE(table.isHidden());

    click("rbtnYmm");
    child<UnitRowsWindow>("TPositions").reject();
    EXPECT_EQ(text("lbeditRanofIntLabelP"), "Range of Interval [mm]");
    EXPECT_NE(text("lbeditRanofIntP").indexOf("E-0"), -1);  // the format "Default" writes
    ExpectScaled(width('P'), nanometres * 1e-6, "nm to mm");
    // The table counted nanometres: it is hidden until made again.
    EXPECT_TRUE(table.isHidden());
    dialogs.confirmAnswers.push_back(true);
    click("btnDataP");
    EXPECT_EQ(messageTexts().back(), "Number of intervals: 101");
    EXPECT_FALSE(table.isHidden());
    EXPECT_EQ(tableRows('P').size(), 101u);

    // Another quantity's unit leaves the page alone; a text that is not a number stays as typed.
    const QString millimetres = text("lbeditRanofIntP");
    click("chboxZ");
    click("rbtnZnm");
    EXPECT_FALSE(table.isHidden());
    EXPECT_EQ(text("lbeditRanofIntP"), millimetres);
    type("lbeditRanofIntP", "abc");
    click("rbtnYum");
    EXPECT_EQ(text("lbeditRanofIntP"), "abc");
}

TEST_F(UnitButtons, AnAngleGraphInDegreesIsHiddenWhenRadiansAreChosen) {
    showTab(MainPage::AngStat);
    click("btnDefaultA");
    const double degrees = width('A');
    dialogs.confirmAnswers.push_back(true);
    click("btnGraphA");
    ASSERT_FALSE(page('A').chart().isHidden());
    click("chboxAngX");
    click("rbtnAngXrad");
    EXPECT_TRUE(page('A').chart().isHidden());
    EXPECT_EQ(text("lbeditRanofIntA").indexOf('E'), -1);  // the format "Default" writes on this page
    ExpectScaled(width('A'), degrees / kDegree, "deg to rad");
}

using IonTableUnits = StatPageTest;

TEST_F(IonTableUnits, UnitChosenAndCancelledReachesThePositionPage) {
    click("chboxY");
    click("rbtnYnm");
    child<UnitRowsWindow>("TPositions").reject();
    EXPECT_EQ(text("lbeditRanofIntLabelP"), "Range of Interval [nm]");
    showTab(MainPage::PosStat);
    click("btnBasAnalysP");
    const std::string first = analysisRows("TPosAnalys")[0];
    EXPECT_NE(first.find("= 1.000000E+00 nm"), std::string::npos) << first;
}

}  // namespace
}  // namespace zelkor::test
