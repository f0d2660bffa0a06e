#include "generator/ui/generator_window.hpp"

#include "generator/ui/distributions_window.hpp"
#include "generator/ui/generator_edits.hpp"
#include "generator/ui/timed_generation.hpp"
#include "generator/ui/twiss_parameters_window.hpp"
#include "generator/validate_generator.hpp"
#include "relativity/element_entry.hpp"
#include "widgets/file_dialog_setups.hpp"
#include "widgets/page_host.hpp"
#include "widgets/user_dialogs.hpp"
#include "widgets/window_links.hpp"
#include "widgets/window_openers.hpp"

#include <QComboBox>
#include <QLineEdit>

namespace zelkor {
namespace {

std::optional<AlphaSign> SignOf(const QComboBox& list) {
    if (list.currentIndex() < 0) return std::nullopt;
    return static_cast<AlphaSign>(list.currentIndex());
}

std::string TextOf(const QLineEdit& edit) { return edit.text().toStdString(); }

// The generator's save dialog also asks before it creates a new file.
FileDialogSetup GeneratorSaveDialog() {
    FileDialogSetup setup = SaveDialog(kTrimDatExtension, kTrimDatFilter);
    setup.promptCreate = true;
    return setup;
}

std::size_t RmsEditOf(DistributedQuantity quantity) {
    switch (quantity) {
        case DistributedQuantity::PositionY: return EditIndexOf(&GeneratorFields::yRms);
        case DistributedQuantity::PositionZ: return EditIndexOf(&GeneratorFields::zRms);
        case DistributedQuantity::SlopeY: return EditIndexOf(&GeneratorFields::dydxRms);
        case DistributedQuantity::SlopeZ: break;
    }
    return EditIndexOf(&GeneratorFields::dzdxRms);
}

}  // namespace

GeneratorWindow::GeneratorWindow(const WindowServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      services_(services),
      distributions_(new DistributionsWindow(this)),
      twiss_(new TwissParametersWindow(this)),
      generation_(new TimedGeneration(services.busy, services.dialogs, this)) {
    setObjectName("TGenerate");
    setWindowTitle("Generate TRIM.DAT");
    setModal(true);
    buildLayout();
    connect(distributions_, &DistributionsWindow::distributionChosen, this, &GeneratorWindow::distributionChosen);
}

GeneratorFields GeneratorWindow::fields() const {
    GeneratorFields f;
    f.description = description_->currentText().toStdString();
    std::size_t index = 0;
    for (const auto& column : kGeneratorColumns)
        for (const GeneratorEdit& e : column) f.*e.field = TextOf(edit(index++));
    f.signY = SignOf(*signY_);
    f.signZ = SignOf(*signZ_);
    return f;
}

TwissFields GeneratorWindow::twissFields() const {
    const GeneratorFields f = fields();
    return {f.yTotal, f.zTotal, f.dydxTotal, f.dzdxTotal, f.epsY, f.epsZ, f.signY, f.signZ};
}

void GeneratorWindow::prepare() {
    for (QLineEdit* e : edits_) e->clear();
    description_->setCurrentIndex(-1);
    description_->clearEditText();
    signY_->setCurrentIndex(-1);
    signZ_->setCurrentIndex(-1);
}

void GeneratorWindow::OpenGenerator() {
    prepare();
    exec();
}

void GeneratorWindow::btnShTwisParClick() {
    const auto shown = ShowTwissParameters(twissFields());
    if (const auto* failure = std::get_if<Message>(&shown)) return services_.dialogs.message(*failure);
    twiss_->showParameters(std::get<TwissLabels>(shown));
}

void GeneratorWindow::btnPerTabClick() {
    if (WindowOpeners* openers = services_.host.links().openers) openers->openElementTable();
}

void GeneratorWindow::btnDistributionsClick() { distributions_->exec(); }

void GeneratorWindow::btnGenerateClick() {
    const auto checked = ValidateGenerator(fields(), distributions_->choice());
    if (const auto* failure = std::get_if<Message>(&checked)) return services_.dialogs.message(*failure);
    const auto path = services_.dialogs.saveFile(GeneratorSaveDialog());
    if (!path) return;
    accept();
    generation_->start(std::get<GeneratorParams>(checked), *path);
}

void GeneratorWindow::btnCancelClick() { reject(); }

void GeneratorWindow::elementPicked(const ElementEntry& entry) {
    // The relativistic window may have opened the table since; its picks are not ours.
    if (!isVisible()) return;
    const ElementFieldTexts texts = FieldTextsOf(entry);
    edit(EditIndexOf(&GeneratorFields::atomicNumber)).setText(QString::fromStdString(texts.atomicNumber));
    edit(EditIndexOf(&GeneratorFields::amu)).setText(QString::fromStdString(texts.amu));
}

void GeneratorWindow::distributionChosen(DistributedQuantity quantity, Distribution distribution) {
    QLineEdit& rms = edit(RmsEditOf(quantity));
    if (distribution == Distribution::Uniform) rms.clear();
    rms.setEnabled(distribution == Distribution::Gaussian);
}

}  // namespace zelkor
