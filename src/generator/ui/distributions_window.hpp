#pragma once

#include "generator/generator_fields.hpp"

#include <QDialog>

#include <array>

class QRadioButton;

namespace zelkor {

// The four quantities whose distribution the window chooses, in its order.
enum class DistributedQuantity { PositionY, PositionZ, SlopeY, SlopeZ };

// TDistributions: "Gaussian" or "Uniform" for each of the four quantities.
// The choices hold for the whole run: all Gaussian at start, never reset.
class DistributionsWindow : public QDialog {
    Q_OBJECT
public:
    explicit DistributionsWindow(QWidget* parent);

    const DistributionChoice& choice() const { return choice_; }

signals:
    // A radio button was selected, by a click or by the program.
    void distributionChosen(zelkor::DistributedQuantity quantity, zelkor::Distribution distribution);

private:
    QWidget* pair(DistributedQuantity quantity, const char* title, const char* gaussianName, const char* uniformName);
    void choose(DistributedQuantity quantity, Distribution distribution);

    DistributionChoice choice_;
};

}  // namespace zelkor
