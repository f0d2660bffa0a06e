#pragma once

#include "generator/generator_fields.hpp"
#include "generator/ui/generator_edits.hpp"
#include "generator/twiss_window.hpp"
#include "widgets/listeners.hpp"
#include "widgets/window_services.hpp"

#include <QDialog>

#include <array>

class QComboBox;
class QLineEdit;

namespace zelkor {

class DistributionsWindow;
class TimedGeneration;
class TwissParametersWindow;
enum class DistributedQuantity;

// TGenerate: "Generate TRIM.DAT", the beam described by its fields. It needs
// no loaded data and never touches the loaded set.
class GeneratorWindow : public QDialog, public ElementPickListener {
    Q_OBJECT
public:
    GeneratorWindow(const WindowServices& services, QWidget* parent);

    // The fields as typed.
    GeneratorFields fields() const;
    TwissFields twissFields() const;

    DistributionsWindow& distributionsWindow() { return *distributions_; }
    TwissParametersWindow& twissWindow() { return *twiss_; }
    TimedGeneration& generation() { return *generation_; }

    // Every edit and the description emptied, no sign chosen; the
    // distribution choices stay.
    void prepare();
    // A pick in the element table: Atomic Number and amu, while the window is shown.
    void elementPicked(const ElementEntry& entry) override;

public slots:
    // File > Generate > TRIM.DAT: prepared and shown modally.
    void OpenGenerator();
    void btnShTwisParClick();
    void btnPerTabClick();
    void btnDistributionsClick();
    // ValidateGenerator, the save dialog, and the timed generation.
    void btnGenerateClick();
    void btnCancelClick();

private:
    void buildLayout();
    // The edit of a field, by its place in kGeneratorColumns (EditIndexOf).
    QLineEdit& edit(std::size_t index) const { return *edits_[index]; }
    void distributionChosen(DistributedQuantity quantity, Distribution distribution);

    WindowServices services_;
    std::array<QLineEdit*, kGeneratorEditCount> edits_{};
    QComboBox* description_ = nullptr;
    QComboBox* signY_ = nullptr;
    QComboBox* signZ_ = nullptr;
    DistributionsWindow* distributions_;
    TwissParametersWindow* twiss_;
    TimedGeneration* generation_;
};

}  // namespace zelkor
