// The statistics pages installed into a stand-in host: their captions follow
// the units a window sets, and a load resets and relabels them.
#include "stats/ui/statistics_pages.hpp"
#include "support/srim_text.hpp"
#include "support/temp_dir.hpp"
#include "support/ui/controls.hpp"
#include "support/ui/scripted_dialogs.hpp"
#include "support/ui/test_host.hpp"

#include <gtest/gtest.h>

#include <QLabel>

namespace zelkor::test {
namespace {

class StatisticsPagesInHost : public ::testing::Test {
protected:
    StatisticsPagesInHost() { host.listen(InstallStatisticsPages(host.services())); }
    QString caption(const char* name) { return Control<QLabel>(host, name).text(); }

    ScriptedDialogs dialogs;
    TestHost host{dialogs};
};

TEST_F(StatisticsPagesInHost, CaptionsNameTheUnitAWindowChose) {
    EXPECT_EQ(caption("lbeditRanofIntLabelP"), "Range of Interval [A]");
    host.state.unitOf(QuantityId::PosY) = 2;
    host.state.unitOf(QuantityId::AngX) = 2;
    host.links().listeners.unitsChanged();
    EXPECT_EQ(caption("lbeditRanofIntLabelP"), "Range of Interval [um]");
    EXPECT_EQ(caption("lbeditRanofIntLabelA"), "Range of Interval [mrad]");
}

TEST_F(StatisticsPagesInHost, APointFileLoadKeepsCaptionsInTheComputedUnits) {
    TempDir dir;
    host.load(SourceKind::WinAgile, dir.write("beam.pnt", Lines({"1E-3\t2E-4\t5E-4\t-3E-4\t1E-3\t65535"})));
    ASSERT_EQ(host.set.count, 1);
    EXPECT_EQ(caption("lbeditRanofIntLabelP"), "Range of Interval [A]");
    EXPECT_EQ(caption("lbeditRanofIntLabelA"), "Range of Interval [rad]");
}

}  // namespace
}  // namespace zelkor::test
