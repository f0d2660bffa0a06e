// The "Relativistic Parameters" window among the others: its table in the
// data grid unlocks the momentum page, its units reach the energy page, and
// a load empties its species.
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

}  // namespace
}  // namespace zelkor::test
