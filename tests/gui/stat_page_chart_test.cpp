// Table and chart of a page: a cancelled confirmation keeps what was shown,
// "Graph" and "Data" show the same intervals, the count axis switches between
// linear and logarithmic without a new computation, and the chart saves itself.
#include "stat_page_fixture.hpp"

#include <QApplication>
#include <QTableView>

#include <fstream>

namespace zelkor::test {
namespace {

std::vector<double> BarValues(HistogramChart& chart) {
    std::vector<double> values;
    for (auto it = chart.bars().data()->constBegin(); it != chart.bars().data()->constEnd(); ++it)
        values.push_back(it->value);
    return values;
}

class StatChart : public StatPageTest {
protected:
    void SetUp() override {
        StatPageTest::SetUp();
        showTab(MainPage::PosStat);
        type("lbeditRanofIntP", "10");
    }
    HistogramChart& chart() { return page('P').chart(); }
};

TEST_F(StatChart, GraphShowsOneLabelledBarPerIntervalAndDataTheSameCounts) {
    dialogs.confirmAnswers = {true, true};
    click("btnGraphP");
    ASSERT_TRUE(chart().isVisible());
    EXPECT_EQ(chart().objectName(), "graphP");
    EXPECT_EQ(chart().xAxis->label(), "Y [A]");
    EXPECT_EQ(chart().yAxis->label(), "Number of Ions");
    // Range 10..100 about the mean 55, width 10: nine intervals centred on 55.
    ASSERT_EQ(chart().labels().size(), 9u);
    EXPECT_EQ(chart().labels()[4], "5.50E+01");
    EXPECT_EQ(chart().labels()[0], "1.50E+01");
    const std::vector<double> bars = BarValues(chart());

    click("btnDataP");
    EXPECT_FALSE(chart().isVisible());
    ASSERT_EQ(tableRows('P').size(), bars.size());
    for (std::size_t i = 0; i < bars.size(); ++i) EXPECT_EQ(std::stod(tableRows('P')[i][2]), bars[i]) << i;
    EXPECT_EQ(tableRows('P')[4][1], "<5.000E+01, 6.000E+01)");
}

TEST_F(StatChart, CancelledConfirmationLeavesTableAndChartAsTheyWere) {
    dialogs.confirmAnswers = {true, false, true, false};
    click("btnDataP");
    const auto before = tableRows('P');
    type("lbeditRanofIntP", "1");
    click("btnDataP");
    EXPECT_TRUE(child<QWidget>("strgPoData").isVisible());
    EXPECT_EQ(tableRows('P'), before);
    EXPECT_FALSE(child<QWidget>("panelPlsWait").isVisible());

    type("lbeditRanofIntP", "10");
    click("btnGraphP");
    const auto bars = BarValues(chart());
    type("lbeditRanofIntP", "1");
    click("btnGraphP");
    EXPECT_TRUE(chart().isVisible());
    EXPECT_EQ(BarValues(chart()), bars);
    EXPECT_EQ(chart().labels().size(), 9u);
}

TEST_F(StatChart, ScaleSwitchesWithoutRecomputing) {
    type("lbeditRanofIntP", "5");
    click("rbtnLogarithmicP");  // while the chart is hidden
    dialogs.confirmAnswers = {true};
    click("btnGraphP");
    EXPECT_EQ(chart().yAxis->scaleType(), QCPAxis::stLogarithmic);
    EXPECT_GT(chart().yAxis->range().lower, 0.0);
    const auto bars = BarValues(chart());
    ASSERT_NE(std::find(bars.begin(), bars.end(), 0.0), bars.end()) << "a zero bar on the log axis";
    EXPECT_FALSE(chart().toPixmap(400, 300).isNull());

    click("rbtnLinearP");  // no confirmation is queued: none may be asked
    EXPECT_EQ(chart().yAxis->scaleType(), QCPAxis::stLinear);
    EXPECT_EQ(chart().yAxis->range().lower, 0.0);
    EXPECT_EQ(BarValues(chart()), bars);
    EXPECT_TRUE(chart().isVisible());
    EXPECT_TRUE(dialogs.confirmAnswers.empty());
}

TEST_F(StatChart, ManyBarsKeepEveryLabelButShowOnlyWhatFits) {
    type("lbeditRanofIntP", "0.1");
    dialogs.confirmAnswers = {true};
    click("btnGraphP");
    ASSERT_EQ(chart().labels().size(), 901u);
    auto ticker = chart().xAxis->ticker().dynamicCast<QCPAxisTickerText>();
    ASSERT_TRUE(ticker);
    EXPECT_LT(ticker->ticks().size(), 120);
    EXPECT_TRUE(ticker->ticks().contains(451.0));  // the middle bar keeps its label
}

TEST_F(StatChart, SavesThePictureAsPngAndPdf) {
    dialogs.confirmAnswers = {true};
    click("btnGraphP");
    const auto png = dir.path() / "histogram.png";
    const auto pdf = dir.path() / "histogram.pdf";
    dialogs.answer(png);
    chart().saveAs(false);
    dialogs.answer(pdf);
    chart().saveAs(true);
    std::string head(4, '\0');
    std::ifstream(png, std::ios::binary).read(head.data(), 4);
    EXPECT_EQ(head, "\x89PNG");
    std::ifstream(pdf, std::ios::binary).read(head.data(), 4);
    EXPECT_EQ(head, "%PDF");
    EXPECT_EQ(dialogs.fileDialogs.back().defaultExtension, ".pdf");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "histogram.png.part"));
    EXPECT_TRUE(dialogs.messages.size() == 1u);  // the confirmation only
}

TEST_F(StatChart, UnwritableTargetReportsAndLeavesNothing) {
    dialogs.confirmAnswers = {true};
    click("btnGraphP");
    dialogs.answer(dir.path() / "missing-folder" / "histogram.png");
    chart().saveAs(false);
    EXPECT_EQ(dialogs.messages.back(), ErrorMessage("Cannot save a file!"));
}

TEST_F(StatChart, InputFieldsTakeTheCopyShortcutWhileFocused) {
    auto& copy = child<QAction>("Copy");
    auto& width = child<QLineEdit>("lbeditRanofIntP");
    width.setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(copy.shortcut().isEmpty());
    child<QPushButton>("btnDefaultP").setFocus();
    QApplication::processEvents();
    EXPECT_EQ(copy.shortcut(), QKeySequence("Ctrl+C"));
}

}  // namespace
}  // namespace zelkor::test
