// The "Relativistic Parameters" window and the periodic table of elements,
// installed into a stand-in host: the checks, the pick, and what the window
// tells the others when a calculation starts and ends.
#include "relativity/relativistic_grid_table.hpp"
#include "relativity/ui/element_table_window.hpp"
#include "relativity/ui/install_relativity_windows.hpp"
#include "relativity/ui/relativistic_window.hpp"
#include "support/ui/host_fixture.hpp"
#include "support/ui/recording_links.hpp"

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

namespace zelkor::test {
namespace {

// Hears the relativistic start in the order the other listeners do.
struct StartRecorder : RelativisticStartListener {
    explicit StartRecorder(std::vector<std::string>& calls) : calls(calls) {}
    void relativisticStarted() override { calls.push_back("started"); }
    std::vector<std::string>& calls;
};

class RelativityWindows : public HostTest {
protected:
    RelativityWindows() {
        const InstalledRelativityWindows installed = InstallRelativityWindows(host.services());
        host.listen(installed.listeners);
        host.links().openers = &installed.openers;
        host.links().dataTable = &dataTable;
        open(writeFile("TRANSMIT.TXT", TransmitFileText()));
        dialogs.messages.clear();
    }
    RelativisticWindow& relativistic() { return child<RelativisticWindow>("TRelPar"); }
    ElementTableWindow& elements() { return child<ElementTableWindow>("TTable"); }
    std::vector<std::string> messagesAfterCalc() {
        dialogs.messages.clear();
        click("btnCalc");
        return messageTexts();
    }

    RecordingDataTable dataTable;
};

TEST_F(RelativityWindows, ChecksComeInTheirOrder) {
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
    EXPECT_FALSE(host.state.relativisticCalculated);
    EXPECT_TRUE(dataTable.calls.empty());
}

TEST_F(RelativityWindows, CalculationHidesTheDataViewsThenGivesTheGridItsTable) {
    StartRecorder started(dataTable.calls);
    Listeners heard;
    heard.relativisticStart = {&started};
    host.listen(heard);
    type("lbeditA", "4");
    type("lbeditamu", "4.00150608");
    click("btnSelAll");
    EXPECT_EQ(messagesAfterCalc(), std::vector<std::string>{"Missing value n(charge state)"});
    type("lbeditn", "2");
    EXPECT_TRUE(messagesAfterCalc().empty());
    EXPECT_EQ(dataTable.calls, (std::vector<std::string>{"hide", "started"}));
    ASSERT_TRUE(relativistic().timer().isActive());
    relativistic().timerFired();
    EXPECT_EQ(dataTable.calls, (std::vector<std::string>{"hide", "started", "show"}));
    ASSERT_TRUE(dataTable.shown);
    EXPECT_EQ(dataTable.shown->columns(), 11);
    EXPECT_TRUE(host.state.relativisticCalculated);
}

TEST_F(RelativityWindows, PickInTheElementTableFillsTheRelativisticWindow) {
    EXPECT_EQ(child<QPushButton>("btnHydrogenium").toolTip(),
              "H (Hydrogenium)\nA = 1, Z = 1\namu = 1.00727646688\nn = 1");
    EXPECT_EQ(child<QPushButton>("btnZincum").text(), "Zn");
    bool tableWasShown = false;
    WhenModalOpens(host, [&] {
        WhenModalOpens(host, [&] {
            tableWasShown = elements().isVisible();
            click("btnHelium");
        });
        click("btnPerTab");
        EXPECT_FALSE(elements().isVisible());
        relativistic().reject();
    });
    host.links().openers->openRelativisticWindow();
    EXPECT_TRUE(tableWasShown);
    EXPECT_EQ(text("lbeditA"), "4");
    EXPECT_EQ(text("lbeditamu"), "4.00150608");
    EXPECT_EQ(text("lbeditn"), "2");
    EXPECT_FALSE(child<QLineEdit>("lbeditn").isEnabled());
}

}  // namespace
}  // namespace zelkor::test
