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
#include "widgets/window_hooks.hpp"

#include <QComboBox>
#include <QLineEdit>

#include <span>
#include <stdexcept>

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

const char* RmsEditOf(DistributedQuantity quantity) {
    switch (quantity) {
        case DistributedQuantity::PositionY: return "lbeditYRMS";
        case DistributedQuantity::PositionZ: return "lbeditZRMS";
        case DistributedQuantity::SlopeY: return "lbeditdYdXRMS";
        case DistributedQuantity::SlopeZ: return "lbeditdZdXRMS";
    }
    return "";
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
    services.host.hooks().elementPicked.push_back([this](const ElementEntry& entry) { elementPicked(entry.Z); });
}

QLineEdit& GeneratorWindow::edit(const char* name) const {
    auto* found = findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly);
    if (!found) throw std::logic_error(std::string("the generator has no edit ") + name);
    return *found;
}

GeneratorFields GeneratorWindow::fields() const {
    GeneratorFields f;
    f.description = description_->currentText().toStdString();
    for (const auto& edits :
         {std::span<const GeneratorEdit>(kIonEdits), std::span<const GeneratorEdit>(kHorizontalEdits),
          std::span<const GeneratorEdit>(kVerticalEdits)})
        for (const GeneratorEdit& e : edits) f.*e.field = TextOf(edit(e.name));
    f.signY = SignOf(*signY_);
    f.signZ = SignOf(*signZ_);
    return f;
}

TwissFields GeneratorWindow::twissFields() const {
    const GeneratorFields f = fields();
    return {f.yTotal, f.zTotal, f.dydxTotal, f.dzdxTotal, f.epsY, f.epsZ, f.signY, f.signZ};
}

void GeneratorWindow::prepare() {
    for (QLineEdit* e : findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) e->clear();
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
    WindowHooks& hooks = services_.host.hooks();
    if (hooks.openElementTable) hooks.openElementTable();
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

void GeneratorWindow::elementPicked(int atomicNumber) {
    // The relativistic window may have opened the table since; its picks are not ours.
    if (!isVisible() || atomicNumber < 1 || atomicNumber > static_cast<int>(kElements.size())) return;
    const ElementFieldTexts texts = FieldTextsOf(kElements[atomicNumber - 1]);
    edit("lbeditAtNo").setText(QString::fromStdString(texts.atomicNumber));
    edit("lbeditAMU").setText(QString::fromStdString(texts.amu));
}

void GeneratorWindow::distributionChosen(DistributedQuantity quantity, Distribution distribution) {
    QLineEdit& rms = edit(RmsEditOf(quantity));
    if (distribution == Distribution::Uniform) rms.clear();
    rms.setEnabled(distribution == Distribution::Gaussian);
}

}  // namespace zelkor
