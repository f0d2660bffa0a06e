#pragma once

#include "generator/generator_fields.hpp"
#include "generator/twiss_window.hpp"
#include "widgets/window_services.hpp"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace zelkor {

class DistributionsWindow;
class TimedGeneration;
class TwissParametersWindow;
enum class DistributedQuantity;

// TGenerate: "Generate TRIM.DAT", the beam described by its fields. It needs
// no loaded data and never touches the loaded set.
class GeneratorWindow : public QDialog {
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

public slots:
    // File > Generate > TRIM.DAT: prepared and shown modally.
    void OpenGenerator();
    void btnShTwisParClick();
    void btnPerTabClick();
    void btnDistributionsClick();
    // ValidateGenerator, the save dialog, and the timed generation.
    void btnGenerateClick();
    void btnCancelClick();

    // A pick in the element table: Atomic Number and amu, while the window is shown.
    void elementPicked(int atomicNumber);

private:
    void buildLayout();
    QLineEdit& edit(const char* name) const;
    void distributionChosen(DistributedQuantity quantity, Distribution distribution);

    WindowServices services_;
    QComboBox* description_ = nullptr;
    QComboBox* signY_ = nullptr;
    QComboBox* signZ_ = nullptr;
    DistributionsWindow* distributions_;
    TwissParametersWindow* twiss_;
    TimedGeneration* generation_;
};

}  // namespace zelkor
