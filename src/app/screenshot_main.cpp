// zelkor-screenshot FILE FOLDER: the program's windows as a person sees them,
// saved as pictures. File > Open is answered with FILE; nothing else is faked.
#include "app/about_box.hpp"
#include "app/compose.hpp"
#include "particles/ui/data_page.hpp"
#include "app/main_window.hpp"
#include "app/splash.hpp"
#include "widgets/user_dialogs.hpp"
#include "io/ui/x_coordinate_window.hpp"
#include "optics/ui/emittance_chart.hpp"
#include "generator/ui/distributions_window.hpp"
#include "generator/ui/generator_window.hpp"
#include "generator/ui/twiss_parameters_window.hpp"
#include "runs/ui/compare_runs_window.hpp"
#include "widgets/qt_paths.hpp"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QToolTip>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTabWidget>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

class AnswerWithFile : public zelkor::UserDialogs {
public:
    explicit AnswerWithFile(std::filesystem::path file) : file_(std::move(file)) {}
    void message(const zelkor::Message& message) override {
        std::fprintf(stderr, "%s: %s\n", message.caption.c_str(), message.text.c_str());
    }
    bool confirm(const std::string&, const std::string&) override { return true; }
    std::optional<std::filesystem::path> openFile(const zelkor::FileDialogSetup&) override { return file_; }
    std::optional<std::filesystem::path> saveFile(const zelkor::FileDialogSetup&) override { return std::nullopt; }

private:
    std::filesystem::path file_;
};

// What the display shows of a window, its frame included when there is one.
void Save(QWidget& window, const QString& path) {
    QTest::qWait(300);
    const QRect frame = window.frameGeometry();
    QPixmap picture = window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    if (!picture.save(path)) std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
}

void Click(QWidget& window, const char* name) {
    if (auto* button = window.findChild<QAbstractButton*>(name))
        button->click();
    else
        std::fprintf(stderr, "no button %s\n", name);
}

void Type(QWidget& window, const char* name, const char* text) {
    if (auto* edit = window.findChild<QLineEdit*>(name)) edit->setText(text);
}

// A statistics page on the typical road: its analysis window, a table, a
// linear and a logarithmic chart of 101 bars, and a chart of 1001 bars.
void StatisticsPage(zelkor::MainWindow& window, int tab, char suffix, const char* analysisClass,
                    const QString& folder) {
    const auto name = [suffix](const char* stem) { return std::string(stem) + suffix; };
    const QString prefix = folder + "stat" + QChar(suffix) + "-";
    window.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(tab);
    Click(window, name("btnBasAnalys").c_str());
    if (auto* analysis = window.findChild<QWidget*>(analysisClass)) {
        Save(*analysis, prefix + "analysis.png");
        analysis->hide();
    }
    Click(window, name("btnDefault").c_str());
    Click(window, name("btnData").c_str());
    Save(window, prefix + "table.png");
    Click(window, name("btnGraph").c_str());
    Save(window, prefix + "graph-linear.png");
    Click(window, name("rbtnLogarithmic").c_str());
    Save(window, prefix + "graph-log.png");
    Click(window, name("rbtnLinear").c_str());
    const QString width = window.findChild<QLineEdit*>(QString::fromStdString(name("lbeditRanofInt")))->text();
    const std::string narrow = std::to_string(width.toDouble() / 9.9);
    Type(window, name("lbeditRanofInt").c_str(), narrow.c_str());
    Click(window, name("btnGraph").c_str());
    Save(window, prefix + "graph-1001.png");
}

// The emittance page in its four modes (one zoomed and kept as a PNG through
// the chart's own save) and the transform page with a drift of 1 m.
void OpticsPages(zelkor::MainWindow& window, const QString& folder) {
    window.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(static_cast<int>(zelkor::MainPage::Emitt));
    Save(window, folder + "emitt-empty.png");
    for (const char* mode : {"rbtnHoriz", "rbtnVert", "rbtnReal"}) {
        Click(window, mode);
        Click(window, "btnEmitDisp");
        Save(window, folder + "emitt-" + mode + ".png");
    }
    Click(window, "rbtnHoriz");
    Click(window, "chkRmsEllipse");
    Click(window, "btnEmitDisp");
    Save(window, folder + "emitt-ellipse.png");
    if (auto* chart = window.findChild<zelkor::EmittanceChart*>("graphI")) {
        chart->xAxis->scaleRange(0.3);
        chart->yAxis->scaleRange(0.3);
        chart->replot();
        Save(window, folder + "emitt-zoomed.png");
        chart->savePicture(zelkor::PathFromQString(folder + "graphI-saved.png"), false);
    }
    Click(window, "chkRmsEllipse");
    Click(window, "rbtnSigMatrix");
    Click(window, "btnEmitDisp");
    Save(window, folder + "emitt-sigma.png");

    window.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(static_cast<int>(zelkor::MainPage::Trans));
    Click(window, "btnTransMatrix");
    Type(window, "editHH12", "1");
    Type(window, "editVV12", "1");
    Save(window, folder + "trans-matrix.png");
    Click(window, "btnCalcTrans");
    Save(window, folder + "trans-grid.png");
}

// The generator filled as for a 2 MeV He beam of 10,000 ions with Gaussian
// positions and uniform slopes, its Distributions and its Twiss windows.
void Generator(zelkor::MainWindow& window, const QString& folder) {
    auto& generator = *window.findChild<zelkor::GeneratorWindow*>();
    generator.prepare();
    generator.show();
    Save(generator, folder + "generator-empty.png");
    generator.findChild<QComboBox*>("cmboxDesOfEx")
        ->setEditText("2 He  ions into Si 10 um,  Various Energies, Positions and Angles");
    const char* const texts[][2] = {
        {"lbeditNbOfPart", "10000"}, {"lbeditAtNo", "2"},     {"lbeditAMU", "4.00150608"}, {"lbeditAngOfInc", "0"},
        {"lbeditE", "2000"},         {"lbeditdeltaE", "0.5"}, {"lbeditEmult", "2"},        {"lbeditYtotal", "1"},
        {"lbeditZtotal", "1"},       {"lbeditYRMS", "0.5"},   {"lbeditZRMS", "0.5"},       {"lbeditdYdXtotal", "2"},
        {"lbeditdZdXtotal", "2"},    {"lbeditEpsY", "1.5"},   {"lbeditEpsZ", "1.5"},       {"lbeditD_Y", "0"},
        {"lbeditD_Z", "0"},          {"lbeditdDdX_Y", "0"},   {"lbeditdDdX_Z", "0"}};
    for (const auto& text : texts) Type(generator, text[0], text[1]);
    generator.findChild<QComboBox*>("cmboxSignAY")->setCurrentIndex(0);
    generator.findChild<QComboBox*>("cmboxSignAZ")->setCurrentIndex(1);
    zelkor::DistributionsWindow& distributions = generator.distributionsWindow();
    Click(distributions, "rdbtnAngYU");
    Click(distributions, "rdbtnAngZU");
    distributions.show();
    Save(distributions, folder + "distributions.png");
    distributions.hide();
    Save(generator, folder + "generator-filled.png");
    Click(generator, "btnShTwisPar");
    Save(generator.twissWindow(), folder + "twiss.png");
    generator.twissWindow().btnCloseClick();
    generator.hide();
}

// A modal window of the data page filled as a person would, then its table.
void TableWindow(zelkor::MainWindow& window, const char* name, const std::vector<const char*>& clicks,
                 const char* calculation, const QString& stem) {
    auto* dialog = window.findChild<QDialog*>(name);
    dialog->show();
    for (const char* click : clicks) Click(*dialog, click);
    Save(*dialog, stem + "-window.png");
    Click(*dialog, calculation);
    QTest::qWait(400);
    Save(window, stem + "-table.png");
}

void RelativisticWindow(zelkor::MainWindow& window, const QString& folder) {
    auto* dialog = window.findChild<QDialog*>("TRelPar");
    auto* elements = window.findChild<QDialog*>("TTable");
    dialog->show();
    elements->show();
    QTest::qWait(300);
    auto* carbon = elements->findChild<QWidget*>("btnCarbon");
    QToolTip::showText(carbon->mapToGlobal(carbon->rect().center()), carbon->toolTip(), carbon);
    QTest::qWait(300);
    QPixmap screen = elements->screen()->grabWindow(0);
    screen.save(folder + "element-table.png");
    Click(*elements, "btnCarbon");
    for (const char* click : {"btnSelAll", "rbtnKEMeV", "rbtnMomMeV"}) Click(*dialog, click);
    Save(*dialog, folder + "relativistic-window.png");
    Click(*dialog, "btnCalc");
    QTest::qWait(400);
    Save(window, folder + "relativistic-table.png");
}

// A Gaussian fitted to the energy histogram zoomed to half a sigma about the
// mean, where the example's few ions make a peak.
void EnergyFit(zelkor::MainWindow& window, const QString& folder) {
    window.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);
    Click(window, "radbtnDXsigmaE");
    Type(window, "editSpecDispE", "0.5");
    Click(window, "btnDefaultE");
    Click(window, "btnFitGaussE");
    Save(window, folder + "statE-fit.png");
}

// File > Compare Runs... with every file of the example's folder, once their rows are in.
void CompareRuns(zelkor::MainWindow& window, const QString& examples, const QString& folder) {
    window.command(zelkor::MenuCommand::CompareRuns).trigger();
    auto& runs = *window.findChild<zelkor::CompareRunsWindow*>();
    std::vector<std::filesystem::path> files;
    // The rows name the files as given: short names, read from their folder.
    const QString before = QDir::currentPath();
    QDir::setCurrent(examples);
    for (const QFileInfo& file : QDir(examples).entryInfoList(QDir::Files, QDir::Name))
        files.push_back(zelkor::PathFromQString(file.fileName()));
    runs.addFiles(files);
    if (!QTest::qWaitFor([&] { return runs.pending() == 0; }, 20000)) std::fprintf(stderr, "runs still reading\n");
    QDir::setCurrent(before);
    runs.move(0, 0);
    Save(runs, folder + "compare-runs.png");
    runs.close();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zelkor-screenshot FILE FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]) + "/";
    AnswerWithFile dialogs(argv[1]);

    zelkor::SplashWindow splash;
    splash.show();
    Save(splash, folder + "splash.png");
    splash.hide();

    zelkor::MainWindow window(dialogs);
    zelkor::Compose(window);
    zelkor::DataPage& dataPage = *window.findChild<zelkor::DataPage*>();
    window.centreOnScreen();
    window.show();
    window.FileOpen();
    Save(window, folder + "data-available.png");
    // The "Data available" panel goes after its 2 s, as a person sees it.
    QTest::qWait(2100);
    dataPage.btnPreviewClick();
    Save(window, folder + "preview.png");
    dataPage.btnHeaderClick();
    Save(window, folder + "header.png");
    dataPage.btnCoorSysClick();
    Save(window, folder + "coordinate-system.png");

    TableWindow(window, "TPositions", {"btnPosSelAll", "rbtnYum", "rbtnZnm", "rbtnY2Z2mm"}, "btnPosOK",
                folder + "positions");
    TableWindow(window, "TAngles", {"btnAngSelAll", "rbtnAngZmrad", "rbtndZdXmrad"}, "btnAngCalc", folder + "angles");
    RelativisticWindow(window, folder);

    StatisticsPage(window, 1, 'E', "TEnAnalys", folder);
    StatisticsPage(window, 2, 'M', "TMomAnalys", folder);
    StatisticsPage(window, 3, 'P', "TPosAnalys", folder);
    StatisticsPage(window, 4, 'A', "TAngAnalys", folder);
    OpticsPages(window, folder);
    // The window grown: the grids and charts take the room, the controls keep their places.
    auto* pages = window.findChild<QTabWidget*>("PageControl1");
    window.move(0, 0);
    window.resize(1000, 720);
    pages->setCurrentIndex(1);
    Save(window, folder + "grown-energy.png");
    pages->setCurrentIndex(0);
    dataPage.btnPreviewClick();
    Save(window, folder + "grown-preview.png");
    window.centreOnScreen();
    EnergyFit(window, folder);

    window.HelpAboutItemClick();
    Save(window.aboutBox(), folder + "about.png");
    window.aboutBox().close();

    zelkor::XCoordinateWindow& x = *window.findChild<zelkor::XCoordinateWindow*>();
    x.prepare();
    x.show();
    Save(x, folder + "x-coordinate.png");
    x.hide();

    Generator(window, folder);
    CompareRuns(window, QFileInfo(argv[1]).absolutePath(), folder);
    return 0;
}
