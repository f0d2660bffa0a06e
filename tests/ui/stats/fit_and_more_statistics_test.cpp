// "Fit Gaussian" and the "More statistics" box of a statistics page in the
// stand-in host: the fit of a Gaussian beam finds its mean and sigma, its
// curve and lines stay over both axes and copy; too few intervals refuse in
// the program's style; the box shows, copies and explains its figures.
#include "stats/fit/fit_gaussian.hpp"
#include "stats/more_statistics_text.hpp"
#include "stats/ui/histogram_chart.hpp"
#include "stats/ui/statistics_pages.hpp"
#include "support/ui/host_fixture.hpp"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTableView>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <random>

namespace zelkor::test {
namespace {

constexpr double kMean = 3.65e6;  // eV, the energy page's first unit
constexpr double kSigma = 2.0e4;
constexpr int kIons = 3000;

// Ions whose energies are drawn from a Gaussian.
std::string GaussianBeamText() {
    std::mt19937 random(7);
    std::normal_distribution<double> energy(kMean, kSigma);
    std::vector<std::string> lines;
    for (int i = 1; i <= kIons; ++i) {
        char line[160];
        std::snprintf(line, sizeof line,
                      "T%5d  2 %.7E   1000000E-01 -.8619E+02 -.1016E+03   .9999324  .0013460 -.0115474", i,
                      energy(random));
        lines.push_back(line);
    }
    return SrimTransmitHeader("=====  He (3650 keV) ==> Silicon (10 um)                                 =====") +
           Lines(lines);
}

struct Figure {
    double value = 0.0;
    double error = 0.0;
};

// "Mean = 3.650E+06 +- 3.7E+02 eV" and the like, from the chart's lines.
Figure FitFigure(const QString& lines, const char* head) {
    for (const QString& line : lines.split('\n')) {
        Figure figure;
        if (line.startsWith(head) && std::sscanf(line.toStdString().c_str() + std::strlen(head), " = %lf +- %lf",
                                                 &figure.value, &figure.error) == 2)
            return figure;
    }
    ADD_FAILURE() << "no line " << head << " in " << lines.toStdString();
    return {};
}

class FitAndMore : public HostTest {
protected:
    FitAndMore() {
        host.listen(InstallStatisticsPages(host.services()));
        host.showPage(MainPage::EnergStat);
    }
    HistogramChart& chart() { return child<HistogramChart>("graphE"); }
    std::vector<std::string> moreRows() {
        auto& grid = child<QTableView>("gridMoreStatE");
        std::vector<std::string> rows;
        for (int r = 0; r < grid.model()->rowCount(); ++r)
            rows.push_back(grid.model()->index(r, 0).data().toString().toStdString());
        return rows;
    }
};

TEST_F(FitAndMore, FitFindsTheBeamAndItsCurveStaysOverBothScales) {
    if (!GaussianFitAvailable()) GTEST_SKIP() << "built without the fit library";
    open(writeFile("TRANSMIT.TXT", GaussianBeamText()));
    ASSERT_EQ(host.set.count, kIons);
    type("lbeditRanofIntE", "5000");
    dialogs.confirmAnswers = {true};
    // Without a graph the command draws it first, then fits.
    click("btnFitGaussE");
    ASSERT_FALSE(chart().isHidden()) << ::testing::PrintToString(messageTexts());
    ASSERT_TRUE(chart().hasFit()) << ::testing::PrintToString(messageTexts());
    const Figure mean = FitFigure(chart().fitText(), "Mean");
    const Figure sigma = FitFigure(chart().fitText(), "Sigma");
    EXPECT_NEAR(mean.value, kMean, 5 * mean.error);
    EXPECT_NEAR(sigma.value, kSigma, 5 * sigma.error);
    EXPECT_GT(mean.error, 0.0);
    EXPECT_TRUE(chart().fitText().contains("chi2 / ndf = "));

    // The curve's top stands at the fitted mean's bar, inside the bars' range.
    const auto curve = chart().fitCurve().data();
    ASSERT_GT(curve->size(), 100);
    double topKey = 0.0, top = 0.0;
    for (auto it = curve->constBegin(); it != curve->constEnd(); ++it)
        if (it->value > top) top = it->value, topKey = it->key;
    const int middle = static_cast<int>(chart().labels().size()) / 2 + 1;
    EXPECT_NEAR(topKey, middle, 1.0);

    click("rbtnLogarithmicE");
    EXPECT_TRUE(chart().hasFit());
    EXPECT_TRUE(chart().fitCurve().visible());

    child<QAction>("actCopyFitE").trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), chart().fitText().replace('\n', "\r\n") + "\r\n");

    // New bars take the old fit away; the context menu's command fits again.
    dialogs.confirmAnswers = {true};
    click("btnGraphE");
    EXPECT_FALSE(chart().hasFit());
    child<QAction>("actFitGaussE").trigger();
    EXPECT_TRUE(chart().hasFit());
}

TEST_F(FitAndMore, TooFewIntervalsWithIonsRefuseAsAWarning) {
    openTransmit();
    type("lbeditRanofIntE", "1000");
    dialogs.confirmAnswers = {true};
    click("btnFitGaussE");
    ASSERT_FALSE(dialogs.messages.empty());
    const Message& last = dialogs.messages.back();
    if (GaussianFitAvailable()) {
        EXPECT_EQ(last.caption, "Warning");
        EXPECT_EQ(last.icon, MessageIcon::Warning);
        EXPECT_NE(last.text.find("Too few intervals hold ions"), std::string::npos) << last.text;
    } else {
        EXPECT_EQ(last.text, "The Gaussian fit is not available in this build");
    }
    EXPECT_FALSE(chart().hasFit());
}

TEST_F(FitAndMore, MoreStatisticsShowBelowTheReportAndCopy) {
    openTransmit();
    click("btnBasAnalysE");
    const auto rows = moreRows();
    ASSERT_EQ(rows.size(), 6u);
    // Two ions: the median is their mean, the report's "(str)" row.
    auto& report = child<QTableView>("strgEnAnalys");
    std::string meanRow;
    for (int r = 0; r < report.model()->rowCount(); ++r) {
        const std::string row = report.model()->index(r, 0).data().toString().toStdString();
        if (row.find("(str)") != std::string::npos) meanRow = row;
    }
    const std::string meanValue = meanRow.substr(meanRow.find('=') + 1);
    EXPECT_EQ(rows[2].substr(rows[2].find('=') + 1), meanValue) << rows[2] << " / " << meanRow;
    EXPECT_NE(rows[1].find("Error of sigma = "), std::string::npos);
    auto& grid = child<QTableView>("gridMoreStatE");
    EXPECT_TRUE(grid.model()->index(3, 0).data(Qt::ToolTipRole).toString().contains(kFwhmMethodText));

    // Ctrl+A in the box selects the box; Copy takes its rows.
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(host.state.copyTarget, CopyTarget::EnMore);
    child<QAction>("Copy").trigger();
    std::string expected;
    for (const std::string& row : rows) expected += row + "\t\r\n";
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), expected);

    // A width the histogram refuses leaves the box empty with the reason.
    type("lbeditRanofIntE", "abc");
    click("btnBasAnalysE");
    EXPECT_EQ(moreRows(), std::vector<std::string>(6, ""));
    EXPECT_FALSE(child<QLabel>("lblMoreStatNoteE").text().isEmpty());
}

// A filter run's box describes the ions it kept: the error of the mean is
// the kept ions' sigma over the root of their number.
TEST_F(FitAndMore, FilterRunShowsTheFiguresOfTheKeptIons) {
    open(writeFile("TRANSMIT.TXT", GaussianBeamText()));
    child<QAbstractButton>("radbtnFXsigmaE").click();
    type("editSpecFiltE", "1");
    click("btnSpecFiltE");
    int rejected = 0, count = 0;
    ASSERT_EQ(std::sscanf(child<QLabel>("lblParRejectEnA").text().toStdString().c_str(),
                          "Number of particles rejected: %d of %d", &rejected, &count),
              2);
    ASSERT_GT(rejected, 0);
    auto& report = child<QTableView>("strgEnAnalys");
    double sigma = 0.0, error = 0.0;
    for (int r = 0; r < report.model()->rowCount(); ++r)
        std::sscanf(report.model()->index(r, 0).data().toString().toStdString().c_str(), "sigma = %lf", &sigma);
    ASSERT_EQ(std::sscanf(moreRows()[0].c_str(), "Error of E(str) = %lf", &error), 1) << moreRows()[0];
    EXPECT_NEAR(error, sigma / std::sqrt(count - rejected), 1e-6 * error);
    click("btnCancelEnA");
}

}  // namespace
}  // namespace zelkor::test
