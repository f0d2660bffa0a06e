// The "Relativistic Parameters" window and the periodic table of elements.
#include "relativity/ui/element_table_window.hpp"
#include "relativity/ui/relativistic_window.hpp"
#include "stat_page_fixture.hpp"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QTimer>

namespace zelkor::test {
namespace {

class Relativistic : public StatPageTest {
protected:
    RelativisticWindow& relativistic() { return child<RelativisticWindow>("TRelPar"); }
    ElementTableWindow& elements() { return child<ElementTableWindow>("TTable"); }
    std::vector<std::string> messagesAfterCalc() {
        dialogs.messages.clear();
        click("btnCalc");
        return messageTexts();
    }
    QStringList titles() {
        QStringList titles;
        for (int c = 0; c < grid().model()->columnCount(); ++c)
            titles << grid().model()->headerData(c, Qt::Horizontal).toString();
        return titles;
    }
};

TEST_F(Relativistic, ChecksComeInTheirOrder) {
    using V = std::vector<std::string>;
    EXPECT_EQ(messagesAfterCalc(), V{"Missing value A(number of nucleons)"});
    type("lbeditA", "4.0");
    EXPECT_EQ(messagesAfterCalc(), V{"Missing value amu(atomic mass unit)"});
    type("lbeditamu", "0");
    click("chckboxMagR");
    EXPECT_TRUE(child<QLineEdit>("lbeditn").isEnabled());
    EXPECT_EQ(messagesAfterCalc(), V{"Missing value n(charge state)"});
    type("lbeditn", "2");
    EXPECT_EQ(messagesAfterCalc(), V{"Value A(number of nucleons) must be integer > 0"});
    type("lbeditA", "4");
    EXPECT_EQ(messagesAfterCalc(), V{"Value amu(atomic mass unit) must be real number > 0"});
    EXPECT_EQ(dialogs.messages[0].caption, "Error");
    EXPECT_FALSE(relativistic().timer().isActive());
    EXPECT_FALSE(window.state().relativisticCalculated);
}

TEST_F(Relativistic, PointFileIsRefusedBeforeTheWindowOpens) {
    importWinAgile(writeFile("beam.pnt", WinAgileFileText()));
    dialogs.messages.clear();
    click("btnRelPar");
    EXPECT_EQ(dialogs.messages,
              std::vector<Message>{WarningMessage("This function is available only for TRANSMIT.TXT")});
}

TEST_F(Relativistic, CalculationUnlocksTheMomentumPage) {
    showTab(MainPage::MomStat);
    click("btnBasAnalysM");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    showTab(MainPage::DataProc);
    type("lbeditRanofIntE", "5");

    type("lbeditA", "4");
    type("lbeditamu", "4.00150608");
    click("btnSelAll");
    EXPECT_TRUE(child<QRadioButton>("rbtnMomkeV").isEnabled());
    click("rbtnMomkeV");
    EXPECT_EQ(messagesAfterCalc(), std::vector<std::string>{"Missing value n(charge state)"});
    type("lbeditn", "2");
    EXPECT_TRUE(messagesAfterCalc().empty());
    EXPECT_EQ(text("lbeditRanofIntE"), "");
    ASSERT_TRUE(relativistic().timer().isActive());
    relativistic().timerFired();

    EXPECT_EQ(titles(), (QStringList{" Ion", " Kin. energy [eV]", " Energy/A [eV]", " Energy/amu [eV]", " gamma",
                                     " beta", " beta.gamma", " Mass [kg]", " Velocity [m/s]", " Momentum [keV/c]",
                                     " Mag. regidity [Tm]"}));
    EXPECT_EQ(window.state().lastDataColumn, 10);
    EXPECT_EQ(text("lbeditRanofIntLabelM"), "Range of Interval [keV/c]");
    QAbstractItemModelTester tester(grid().model(), QAbstractItemModelTester::FailureReportingMode::Fatal);

    showTab(MainPage::MomStat);
    click("btnBasAnalysM");
    EXPECT_EQ(dialogs.messages.size(), 0u);
    EXPECT_NE(analysisRows("TMomAnalys")[0].find("keV/c"), std::string::npos);
}

TEST_F(Relativistic, UnitClickStaysAfterCancelAndALoadEmptiesTheSpecies) {
    click("rbtnKEkeV");
    relativistic().reject();
    EXPECT_EQ(window.state().unitOf(QuantityId::KinEnerg), 1);
    EXPECT_EQ(text("lbeditRanofIntLabelE"), "Range of Interval [keV]");

    type("lbeditA", "4");
    type("lbeditamu", "4.00150608");
    open(writeFile("again.txt", TenIonTransmitText()));
    EXPECT_EQ(text("lbeditA"), "");
    EXPECT_EQ(text("lbeditamu"), "");
}

TEST_F(Relativistic, PickInTheElementTableFillsTheRelativisticWindow) {
    EXPECT_EQ(child<QPushButton>("btnHydrogenium").toolTip(),
              "H (Hydrogenium)\nA = 1, Z = 1\namu = 1.00727646688\nn = 1");
    EXPECT_EQ(child<QPushButton>("btnZincum").text(), "Zn");
    bool tableWasShown = false;
    WhenModalOpens(window, [&] {
        WhenModalOpens(window, [&] {
            tableWasShown = elements().isVisible();
            click("btnHelium");
        });
        click("btnPerTab");
        EXPECT_FALSE(elements().isVisible());
        relativistic().reject();
    });
    click("btnRelPar");
    EXPECT_TRUE(tableWasShown);
    EXPECT_EQ(text("lbeditA"), "4");
    EXPECT_EQ(text("lbeditamu"), "4.00150608");
    EXPECT_EQ(text("lbeditn"), "2");
    EXPECT_FALSE(child<QLineEdit>("lbeditn").isEnabled());
}

}  // namespace
}  // namespace zelkor::test
