// File > Generate > TRIM.DAT, installed into a stand-in host: the generator
// window's checks and dialogs, the Distributions and Twiss windows beside it,
// and that a generation from the window writes the batch tool's bytes with
// the run's one random source.
#include "relativity/element_entry.hpp"
#include "generator/ui/distributions_window.hpp"
#include "generator/ui/generator_edits.hpp"
#include "generator/ui/generator_window.hpp"
#include "generator/ui/install_generator.hpp"
#include "generator/ui/timed_generation.hpp"
#include "generator/ui/twiss_parameters_window.hpp"
#include "generator/generator_inputs.hpp"
#include "generator/random_positioning.hpp"
#include "support/run_batch.hpp"
#include "support/ui/host_fixture.hpp"
#include "support/ui/recording_links.hpp"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace zelkor::test {
namespace {

using generator_test::ProtonBeamFields;

class GeneratorTest : public HostTest {
protected:
    GeneratorTest() {
        host.listen(InstallGenerator(host.services()));
        host.links().openers = &openers;
    }
    GeneratorWindow& generator() { return child<GeneratorWindow>("TGenerate"); }
    QLineEdit& edit(const char* name) { return Control<QLineEdit>(generator(), name); }
    void click(QWidget& window, const char* button) { Control<QAbstractButton>(window, button).click(); }

    // File > Generate > TRIM.DAT with `use` run while the modal window is
    // open; the window is cancelled afterwards if `use` left it open.
    void withGenerator(const std::function<void(GeneratorWindow&)>& use) {
        WhenModalOpens(host, [this, use] {
            use(generator());
            if (generator().isVisible()) click(generator(), "btnCancel");
        });
        trigger(MenuCommand::GenerateTrimDat);
    }
    void fill(const GeneratorFields& f) {
        Control<QComboBox>(generator(), "cmboxDesOfEx").setEditText(QString::fromStdString(f.description));
        for (const auto& column : kGeneratorColumns)
            for (const GeneratorEdit& e : column) edit(e.name).setText(QString::fromStdString(f.*e.field));
        const auto sign = [](std::optional<AlphaSign> s) { return s ? static_cast<int>(*s) : -1; };
        Control<QComboBox>(generator(), "cmboxSignAY").setCurrentIndex(sign(f.signY));
        Control<QComboBox>(generator(), "cmboxSignAZ").setCurrentIndex(sign(f.signZ));
    }
    void choose(const char* radioButton) {
        WhenModalOpens(host, [this, radioButton] {
            DistributionsWindow& d = generator().distributionsWindow();
            click(d, radioButton);
            click(d, "btnOK");
        });
        click(generator(), "btnDistributions");
    }
    // Fills, generates into `out` and waits for the timed generation to end.
    void generate(const GeneratorFields& f, const std::filesystem::path& out) {
        dialogs.answer(out);
        withGenerator([&](GeneratorWindow& g) {
            fill(f);
            click(g, "btnGenerate");
        });
        EXPECT_FALSE(generator().isVisible());
        EXPECT_TRUE(child<QWidget>("panelPlsWait").isVisible());
        EXPECT_TRUE(QTest::qWaitFor([this] { return !generator().generation().timer().isActive(); }));
        EXPECT_FALSE(child<QWidget>("panelPlsWait").isVisible());
    }

    RecordingOpeners openers;
};

TEST_F(GeneratorTest, OpensEmptyEveryTimeWithItsLabelsAndLists) {
    withGenerator([this](GeneratorWindow& g) {
        EXPECT_TRUE(g.isModal());
        EXPECT_EQ(g.windowTitle(), "Generate TRIM.DAT");
        EXPECT_EQ(Control<QLabel>(g, "lbeditAMULabel").text(), "amu (ion mass in\natomic mass unit)");
        EXPECT_EQ(Control<QLabel>(g, "lbeditEpsZLabel").text(), "EPS_Z (total) [PI.mm.mrad]");
        auto& description = Control<QComboBox>(g, "cmboxDesOfEx");
        ASSERT_EQ(description.count(), 1);
        EXPECT_EQ(description.itemText(0),
                  "[atomic number] [symbol or name of element]  ions into [target] [thick],  "
                  "Various Energies, Positions and Angles");
        fill(ProtonBeamFields());
    });
    withGenerator([](GeneratorWindow& g) {
        for (const QLineEdit* e : g.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
            EXPECT_EQ(e->text(), "") << e->objectName().toStdString();
        EXPECT_EQ(g.fields().description, "");
        EXPECT_FALSE(g.fields().signY || g.fields().signZ);
        EXPECT_EQ(Control<QComboBox>(g, "cmboxSignAY").count(), 2);
        EXPECT_EQ(Control<QComboBox>(g, "cmboxDesOfEx").currentIndex(), -1);
    });
}

TEST_F(GeneratorTest, ChecksStopAtTheFirstFailureAndKeepTheWindowOpen) {
    const auto failing = [](auto change) {
        GeneratorFields f = ProtonBeamFields();
        change(f);
        return f;
    };
    const std::vector<GeneratorFields> cases{
        GeneratorFields{},
        failing([](GeneratorFields& f) {
            f.zRms.clear();
            f.dispersionY.clear();
        }),
        failing([](GeneratorFields& f) {
            f.signY.reset();
            f.particles = "0";
        }),
        failing([](GeneratorFields& f) { f.particles = "1.5"; }),
        failing([](GeneratorFields& f) { f.epsY = "0"; }),
        failing([](GeneratorFields& f) { f.epsZ = "7"; }),  // larger than Z (total) * dZ/dX (total)
    };
    std::vector<bool> open;
    withGenerator([&](GeneratorWindow& g) {
        for (const GeneratorFields& f : cases) {
            fill(f);
            click(g, "btnGenerate");
            open.push_back(g.isVisible());
        }
    });
    EXPECT_EQ(messageTexts(),
              (std::vector<std::string>{"Missing Description of Experiment", "Missing value Z (RMS)",
                                        "Missing value sign_alpha_Y", "Value Number of particles must be integer > 0",
                                        "EPS_Y (total): Division by zero", "sqrt: DOMAIN error"}));
    EXPECT_EQ(open, std::vector<bool>(cases.size(), true));
    EXPECT_TRUE(dialogs.fileDialogs.empty());
}

TEST_F(GeneratorTest, UniformEmptiesAndDisablesItsRmsEditForTheRun) {
    withGenerator([this](GeneratorWindow& g) {
        fill(ProtonBeamFields());
        choose("rdbtnAngZU");
        EXPECT_FALSE(edit("lbeditdZdXRMS").isEnabled());
        EXPECT_EQ(edit("lbeditdZdXRMS").text(), "");
        EXPECT_TRUE(edit("lbeditdYdXRMS").isEnabled());
        dialogs.cancel();
        click(g, "btnGenerate");  // passes the checks with that edit empty
    });
    EXPECT_TRUE(messageTexts().empty());
    EXPECT_EQ(dialogs.fileDialogs.size(), 1u);
    withGenerator([this](GeneratorWindow&) {
        EXPECT_FALSE(edit("lbeditdZdXRMS").isEnabled());  // the choice outlives the window
        choose("rdbtnAngZG");
        EXPECT_TRUE(edit("lbeditdZdXRMS").isEnabled());
    });
}

TEST_F(GeneratorTest, TwissWindowShowsAndClosesBesideTheModalGenerator) {
    bool closedByClick = false;
    withGenerator([&](GeneratorWindow& g) {
        GeneratorFields f;
        f.yTotal = f.zTotal = "2";
        f.dydxTotal = f.dzdxTotal = "3";
        f.epsY = "5";
        f.epsZ = "6";
        f.signY = AlphaSign::Minus;
        f.signZ = AlphaSign::Plus;
        fill(f);
        click(g, "btnShTwisPar");
        TwissParametersWindow& twiss = g.twissWindow();
        ASSERT_TRUE(twiss.isVisible());
        EXPECT_FALSE(twiss.isModal());
        EXPECT_EQ(twiss.labelText(0), "beta(Y) = 8.000000E-01 m");
        EXPECT_EQ(twiss.labelText(2), "alpha(Y) = -6.633250E-01");
        EXPECT_EQ(twiss.labelText(5), "alpha(Z) = 0.000000E+00");
        // A click that goes through the window system: a window blocked by
        // the modal generator would not receive it.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&twiss));
        auto& close = Control<QPushButton>(twiss, "btnClose");
        QTest::mouseClick(twiss.windowHandle(), Qt::LeftButton, {}, close.mapTo(&twiss, close.rect().center()));
        closedByClick = !twiss.isVisible() && twiss.labelText(0).isEmpty();
        edit("lbeditEpsY").setText("9");
        click(g, "btnShTwisPar");
    });
    EXPECT_TRUE(closedByClick);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"sqrt: DOMAIN error"});
}

TEST_F(GeneratorTest, CancelledSaveDialogKeepsTheWindowOpen) {
    bool open = false;
    withGenerator([&](GeneratorWindow& g) {
        fill(ProtonBeamFields());
        dialogs.cancel();
        click(g, "btnGenerate");
        open = g.isVisible();
    });
    EXPECT_TRUE(open);
    const FileDialogSetup saveAskingBeforeCreating{"Save", "TRIM.DAT|*.dat", ".dat", false, true, true};
    EXPECT_EQ(dialogs.fileDialogs, std::vector<FileDialogSetup>{saveAskingBeforeCreating});
    EXPECT_FALSE(generator().generation().timer().isActive());
}

// The batch tool's command line for the fields with uniform positions.
std::vector<std::string> BatchWords(const GeneratorFields& f, const std::filesystem::path& out, int repeat) {
    auto words = generator_test::GenerateWords(f, out.string());
    words.insert(words.end(), {"--uniform", "y,z", "--repeat", std::to_string(repeat)});
    return words;
}

TEST_F(GeneratorTest, GenerationsContinueTheRunsSequenceAsTheBatchToolDoes) {
    openTransmit();
    const ParticleSet before = host.set;
    withGenerator([this](GeneratorWindow&) {
        choose("rdbtnPosYU");
        choose("rdbtnPosZU");
    });
    GeneratorFields f = ProtonBeamFields();
    f.yRms.clear();
    f.zRms.clear();
    f.dispersionY = "2";
    f.dispersionSlopeY = "0.5";
    for (int generation = 1; generation <= 2; ++generation) {
        const auto out = dir / ("window" + std::to_string(generation) + ".dat");
        generate(f, out);
        const auto expected = dir / "batch.dat";
        ASSERT_EQ(RunBatchWords(BatchWords(f, expected, generation)).status, 0);
        EXPECT_EQ(ReadBytes(out), ReadBytes(expected)) << "generation " << generation;
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(host.set.count, before.count);
    EXPECT_EQ(host.set.records[1].y, before.records[1].y);
}

TEST_F(GeneratorTest, GenerationStoppedByTheCoreKeepsItsCompleteIons) {
    withGenerator([this](GeneratorWindow&) {
        for (const char* uniform : {"rdbtnPosYU", "rdbtnPosZU", "rdbtnAngYU", "rdbtnAngZU"}) choose(uniform);
    });
    // Uniform everything and no energy spread: six draws per ion, so draw 15
    // is ion 3's Y position, next to the edge of a very thin ellipse.
    generator().generation().random() = generator_test::SourceWithUniformAtDraw(15, 1);
    GeneratorFields f = ProtonBeamFields();
    f.deltaE = "0";
    f.dydxTotal = "3e5";
    f.epsY = "0.3";
    const auto out = dir / "stopped.dat";
    generate(f, out);
    EXPECT_EQ(messageTexts(),
              std::vector<std::string>{
                  "sqrt: DOMAIN error\nGeneration stopped at ion 3: the file holds the 2 ions before it."});
    const std::string bytes = ReadBytes(out);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 12);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST_F(GeneratorTest, ElementTablePickFillsAtomicNumberAndAmu) {
    host.links().openers = nullptr;
    withGenerator([this](GeneratorWindow& g) { click(g, "btnPerTab"); });  // no table: nothing happens
    const auto pick = [this](int z) {
        host.links().listeners.elementPicked(kElements[static_cast<std::size_t>(z - 1)]);
    };
    host.links().openers = &openers;
    openers.pickInElementTable = [&pick] { pick(2); };  // the user picks He
    withGenerator([this](GeneratorWindow& g) {
        edit("lbeditNbOfPart").setText("10000");
        click(g, "btnPerTab");
        EXPECT_EQ(edit("lbeditAtNo").text(), "2");
        EXPECT_EQ(edit("lbeditAMU").text(), "4.00150608");
        EXPECT_EQ(edit("lbeditNbOfPart").text(), "10000");
    });
    pick(30);  // a pick while the generator is closed is another window's
    EXPECT_EQ(edit("lbeditAtNo").text(), "2");
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace zelkor::test
