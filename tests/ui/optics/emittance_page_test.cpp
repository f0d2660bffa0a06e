// The "Emittance" page: modes, scale checks, the chart and the sigma matrix.
#include "optics_page_fixture.hpp"

#include "widgets/copy_shortcut_hand_over.hpp"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QTest>

namespace zelkor::test {
namespace {

class EmittancePageTest : public OpticsPageTest {
protected:
    void SetUp() override {
        openLineBeam();
        showTab(MainPage::Emitt);
    }
    bool enabled(const char* edit) { return child<QLineEdit>(edit).isEnabled(); }
};

TEST_F(EmittancePageTest, ModeSwitchEmptiesTheScalesAndEnablesThoseOfTheMode) {
    EXPECT_TRUE(enabled("lbeditScaleY"));
    EXPECT_TRUE(enabled("lbeditScaledYdX"));
    EXPECT_FALSE(enabled("lbeditScaleZ"));
    EXPECT_FALSE(enabled("lbeditScaledZdX"));
    type("lbeditScaleY", "2");
    click("btnEmitDisp");
    ASSERT_TRUE(chart().isVisible());

    click("rbtnVert");
    EXPECT_EQ(emittance().mode(), EmittanceMode::Vertical);
    EXPECT_EQ(text("lbeditScaleY"), "");
    EXPECT_FALSE(enabled("lbeditScaleY"));
    EXPECT_FALSE(enabled("lbeditScaledYdX"));
    EXPECT_TRUE(enabled("lbeditScaleZ"));
    EXPECT_TRUE(enabled("lbeditScaledZdX"));
    EXPECT_FALSE(chart().isVisible());

    click("rbtnReal");
    EXPECT_TRUE(enabled("lbeditScaleY"));
    EXPECT_TRUE(enabled("lbeditScaleZ"));
    EXPECT_FALSE(enabled("lbeditScaledYdX"));
    click("rbtnSigMatrix");
    for (const char* edit : {"lbeditScaleY", "lbeditScaleZ", "lbeditScaledYdX", "lbeditScaledZdX"})
        EXPECT_FALSE(enabled(edit)) << edit;
}

TEST_F(EmittancePageTest, DisplayChecksTheBottomScaleThenTheLeftAndChangesNothing) {
    type("lbeditScaleY", "abc");
    type("lbeditScaledYdX", "0");
    click("btnEmitDisp");
    type("lbeditScaleY", "1");
    click("btnEmitDisp");
    click("rbtnReal");
    type("lbeditScaleY", "1");
    type("lbeditScaleZ", "-1");
    click("btnEmitDisp");
    click("rbtnVert");
    type("lbeditScaleZ", "x");
    click("btnEmitDisp");
    type("lbeditScaleZ", "");
    type("lbeditScaledZdX", "1e");
    click("btnEmitDisp");
    EXPECT_EQ(messageTexts(),
              (std::vector<std::string>{
                  "Value  Scale Y must be real number > 0", "Value  Scale dY/dX must be real number > 0",
                  "Value  Scale Z must be real number > 0", "Value  Scale Z must be real number > 0",
                  "Value  Scale dZ/dX must be real number > 0"}));
    EXPECT_EQ(dialogs.messages.front().caption, "Error");
    EXPECT_FALSE(chart().isVisible());
}

TEST_F(OpticsPageTest, DisplayWithoutDataSaysSoInEveryMode) {
    type("lbeditScaleY", "abc");
    click("btnEmitDisp");
    click("rbtnSigMatrix");
    click("btnEmitDisp");
    EXPECT_EQ(dialogs.messages, std::vector<Message>(2, ErrorMessage(kNoDataText)));
}

TEST_F(EmittancePageTest, ChartHasTheModesRangesTitlesAndOnePointPerIon) {
    type("lbeditScaleY", "0.5");
    click("btnEmitDisp");
    ASSERT_TRUE(chart().isVisible());
    EXPECT_EQ(chart().xAxis->range(), QCPRange(-0.5, 0.5));
    EXPECT_NEAR(chart().yAxis->range().lower, -2.1, 1e-12);
    EXPECT_NEAR(chart().yAxis->range().upper, 2.1, 1e-12);
    EXPECT_EQ(chart().xAxis->label(), "Y [mm]");
    EXPECT_EQ(chart().yAxis->label(), "dY/dX [mrad]");
    EXPECT_EQ(chart().points().size(), 2u);
    EXPECT_EQ(chart().points().keys(), (std::vector<double>{1e7 * 1e-7, -1e7 * 1e-7}));

    // Every Z is 0: the empty automatic range is drawn as -1 .. 1.
    click("rbtnReal");
    click("btnEmitDisp");
    EXPECT_EQ(chart().xAxis->label(), "Y [mm]");
    EXPECT_EQ(chart().yAxis->label(), "Z [mm]");
    EXPECT_EQ(chart().yAxis->range(), QCPRange(-1.0, 1.0));

    // A zoom or pan moves away; Show All comes back to the page's ranges.
    chart().xAxis->setRange(0.1, 0.2);
    chart().showAll();
    EXPECT_NEAR(chart().xAxis->range().upper, 1.05, 1e-12);
    EXPECT_EQ(ValueLabel(0.30000000000000004), "0.3");
    EXPECT_EQ(ValueLabel(-1.0000004), "-1");
    EXPECT_EQ(ValueLabel(1250.5), "1250.5");
}

TEST_F(EmittancePageTest, MiddleButtonDragPansThePlot) {
    click("btnEmitDisp");
    const QCPRange before = chart().xAxis->range();
    const QPoint from = chart().axisRect()->center();
    QTest::mousePress(&chart(), Qt::MiddleButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(from + QPoint(40, 0)),
                     chart().mapToGlobal(QPointF(from + QPoint(40, 0))), Qt::NoButton, Qt::MiddleButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&chart(), &move);
    QTest::mouseRelease(&chart(), Qt::MiddleButton, {}, from + QPoint(40, 0));
    EXPECT_LT(chart().xAxis->range().lower, before.lower);
    EXPECT_NEAR(chart().xAxis->range().size(), before.size(), 1e-12);
}

TEST_F(EmittancePageTest, PlotIsKeptAsPngAndPdf) {
    click("btnEmitDisp");
    const auto png = dir.path() / "plot.png";
    const auto pdf = dir.path() / "plot.pdf";
    dialogs.answer(png);
    chart().saveAs(false);
    dialogs.answer(pdf);
    chart().saveAs(true);
    EXPECT_TRUE(dialogs.messages.empty());
    const QImage picture(QString::fromStdString(png.string()));
    ASSERT_FALSE(picture.isNull());
    // Some pixel of the plot is the points' red.
    bool red = false;
    for (int y = 0; y < picture.height() && !red; ++y)
        for (int x = 0; x < picture.width() && !red; ++x) red = picture.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_TRUE(red);
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
}

TEST_F(EmittancePageTest, SigmaMatrixShowsTheMomentsAndTheBeamParameters) {
    click("rbtnSigMatrix");
    click("btnEmitDisp");
    ASSERT_TRUE(child<QGroupBox>("grboxSigMatrix").isVisible());
    EXPECT_FALSE(chart().isVisible());
    EXPECT_EQ(text("editYY"), "1.0000000E+00");
    EXPECT_EQ(text("editYYc"), "2.0000000E+00");
    EXPECT_EQ(text("editYcY"), "2.0000000E+00");
    EXPECT_EQ(text("editYcYc"), "4.0000000E+00");
    EXPECT_EQ(text("editZcZc"), "0.0000000E+00");
    EXPECT_TRUE(child<QLineEdit>("editYY").isReadOnly());
    EXPECT_EQ(child<QLabel>("labelEpsY").text(), "eps_rms(Y) = 0.000000E+00 PI.mm.mrad");
    EXPECT_EQ(child<QLabel>("labelBetaY").text(), "beta(Y) = undefined");
    EXPECT_EQ(child<QLabel>("labelAlphaZ").text(), "alpha(Z) = undefined");
}

TEST_F(EmittancePageTest, RmsEllipseIsDrawnOnlyWhenAskedAndDefined) {
    open(writeFile("CROSS.TXT", SrimTransmitHeader("== Layer ==") +
                                    Lines({"T    1  1 1.000000E+06  1.000000E+04  1.0000000000E+07  0.0000000000E+00  "
                                           "1.0000000000  0.0000000000  0.0000000000",
                                           "T    2  1 1.000000E+06  1.000000E+04 -1.0000000000E+07  0.0000000000E+00  "
                                           "1.0000000000  0.0000000000  0.0000000000",
                                           "T    3  1 1.000000E+06  1.000000E+04  0.0000000000E+00  0.0000000000E+00  "
                                           "1.0000000000  0.0020000000  0.0000000000",
                                           "T    4  1 1.000000E+06  1.000000E+04  0.0000000000E+00  0.0000000000E+00  "
                                           "1.0000000000 -0.0020000000  0.0000000000"})));
    click("btnEmitDisp");
    EXPECT_FALSE(chart().showsEllipse());
    click("chkRmsEllipse");
    EXPECT_TRUE(chart().showsEllipse());
    click("rbtnVert");  // every Z' is 0: no ellipse
    click("btnEmitDisp");
    EXPECT_FALSE(chart().showsEllipse());
}

TEST_F(EmittancePageTest, ResetBeforeALoadHidesTheOutputAndKeepsModeAndScales) {
    click("rbtnVert");
    type("lbeditScaleZ", "3");
    click("btnEmitDisp");
    ASSERT_TRUE(chart().isVisible());
    openLineBeam();
    EXPECT_FALSE(chart().isVisible());
    EXPECT_EQ(emittance().mode(), EmittanceMode::Vertical);
    EXPECT_TRUE(child<QRadioButton>("rbtnVert").isChecked());
    EXPECT_EQ(text("lbeditScaleZ"), "3");
    click("rbtnSigMatrix");
    click("btnEmitDisp");
    openLineBeam();
    EXPECT_FALSE(child<QGroupBox>("grboxSigMatrix").isVisible());
    EXPECT_FALSE(child<QGroupBox>("grboxBeamPar").isVisible());
}

TEST_F(EmittancePageTest, CtrlCBelongsToTheScaleMatrixAndSigmaFieldsWhileTheyHaveTheFocus) {
    QAction& copy = child<QAction>("Copy");
    for (const char* name : {"lbeditScaleY", "editHH11", "editZcZc"}) {
        auto& field = child<QLineEdit>(name);
        QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
        QApplication::sendEvent(&field, &in);
        EXPECT_TRUE(copy.shortcut().isEmpty()) << name;
        QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
        QApplication::sendEvent(&field, &out);
        EXPECT_EQ(copy.shortcut(), QKeySequence("Ctrl+C")) << name;
    }
}

}  // namespace
}  // namespace zelkor::test
