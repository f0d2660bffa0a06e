#pragma once

#include "optics/emittance_axes.hpp"
#include "widgets/listeners.hpp"
#include "widgets/window_services.hpp"

#include <QWidget>

#include <array>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace zelkor {

class BeamParameterBox;
class EmittanceChart;
class SigmaMatrixBox;

// The "Emittance" page: phase-space and real-space scatter plots of every ion,
// the sigma matrix with the beam parameters beside it.
class EmittancePage : public QWidget, public ResetListener {
    Q_OBJECT
public:
    EmittancePage(const WindowServices& services, QWidget* parent);

    EmittanceMode mode() const { return mode_; }
    EmittanceChart& chart() { return *chart_; }
    SigmaMatrixBox& sigmaBox() { return *sigmaBox_; }
    BeamParameterBox& beamBox() { return *beamBox_; }
    // The four scale edits and the sixteen matrix edits: the fields of the Ctrl+C hand-over.
    std::vector<QWidget*> inputFields();

    // The reset before a load: output hidden; mode and scale texts kept.
    void resetForLoad() override;

public slots:
    void SelectEmittanceMode(zelkor::EmittanceMode mode);
    void btnEmitDispClick();

private:
    void buildLayout();
    void hideOutput();
    void displayPlot();
    void displaySigmaMatrix();
    void refreshEllipse();
    QLineEdit& scaleEdit(PhaseCoordinate coordinate);

    WindowServices services_;
    EmittanceMode mode_ = EmittanceMode::Horizontal;
    std::array<QRadioButton*, 4> modeButtons_{};
    // In the order of PhaseCoordinate: Y, dY/dX, Z, dZ/dX.
    std::array<QLineEdit*, 4> scales_{};
    QCheckBox* ellipseCheck_;
    EmittanceChart* chart_;
    SigmaMatrixBox* sigmaBox_;
    BeamParameterBox* beamBox_;
};

}  // namespace zelkor
