#include "optics/ui/emittance_page.hpp"

#include "data/particle_set.hpp"
#include "optics/beam_parameters.hpp"
#include "optics/phase_space.hpp"
#include "optics/plot_points.hpp"
#include "optics/sigma_matrix.hpp"
#include "optics/ui/emittance_chart.hpp"
#include "optics/ui/point_cloud.hpp"
#include "optics/ui/sigma_matrix_box.hpp"
#include "state/app_state.hpp"
#include "widgets/busy_panel.hpp"
#include "widgets/user_dialogs.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zelkor {
namespace {

struct ModeButton {
    EmittanceMode mode;
    const char* name;
    const char* caption;
};

constexpr std::array<ModeButton, 4> kModes{{
    {EmittanceMode::Horizontal, "rbtnHoriz", "Horizontal phase space"},
    {EmittanceMode::Vertical, "rbtnVert", "Vertical phase space"},
    {EmittanceMode::RealSpace, "rbtnReal", "Real space"},
    {EmittanceMode::SigmaMatrix, "rbtnSigMatrix", "Sigma matrix"},
}};

struct ScaleField {
    const char* name;
    const char* caption;
};

// In the order of PhaseCoordinate.
constexpr std::array<ScaleField, 4> kScales{{
    {"lbeditScaleY", "Scale Y [mm]"},
    {"lbeditScaledYdX", "Scale dY/dX [mrad]"},
    {"lbeditScaleZ", "Scale Z [mm]"},
    {"lbeditScaledZdX", "Scale dZ/dX [mrad]"},
}};

bool IsPlot(EmittanceMode mode) { return mode != EmittanceMode::SigmaMatrix; }

bool IsPhaseSpace(EmittanceMode mode) { return mode == EmittanceMode::Horizontal || mode == EmittanceMode::Vertical; }

std::size_t IndexOf(PhaseCoordinate c) { return static_cast<std::size_t>(c); }

}  // namespace

EmittancePage::EmittancePage(const WindowServices& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      ellipseCheck_(new QCheckBox("rms ellipse", this)),
      chart_(new EmittanceChart(services.dialogs, this)),
      sigmaBox_(new SigmaMatrixBox(this)),
      beamBox_(new BeamParameterBox(this)) {
    setObjectName("EmittancePage");
    ellipseCheck_->setObjectName("chkRmsEllipse");
    ellipseCheck_->setToolTip("Draw the rms ellipse of the beam over a phase-space plot");
    connect(ellipseCheck_, &QCheckBox::toggled, this, [this] {
        refreshEllipse();
        chart_->replot();
    });
    buildLayout();
    SelectEmittanceMode(EmittanceMode::Horizontal);
}

void EmittancePage::buildLayout() {
    auto* modeBox = new QGroupBox("Emittance", this);
    modeBox->setObjectName("grboxEmittance");
    auto* modeLayout = new QVBoxLayout(modeBox);
    for (std::size_t i = 0; i < kModes.size(); ++i) {
        auto* button = new QRadioButton(kModes[i].caption, modeBox);
        button->setObjectName(kModes[i].name);
        button->setChecked(i == 0);
        const EmittanceMode mode = kModes[i].mode;
        // Only a click that selects the button runs the mode's action.
        connect(button, &QRadioButton::toggled, this, [this, mode](bool on) {
            if (on) SelectEmittanceMode(mode);
        });
        modeLayout->addWidget(button);
        modeButtons_[i] = button;
    }
    auto* display = new QPushButton("Display", modeBox);
    display->setObjectName("btnEmitDisp");
    connect(display, &QPushButton::clicked, this, &EmittancePage::btnEmitDispClick);
    modeLayout->addSpacing(6);
    modeLayout->addWidget(display);
    modeLayout->addWidget(ellipseCheck_);

    auto* scaleBox = new QGroupBox("Scales", this);
    scaleBox->setObjectName("grboxScales");
    auto* scaleLayout = new QVBoxLayout(scaleBox);
    scaleLayout->setSpacing(2);
    // Shown as the page lists them: Y, Z, dY/dX, dZ/dX.
    for (PhaseCoordinate c : {PhaseCoordinate::Y, PhaseCoordinate::Z, PhaseCoordinate::Yp, PhaseCoordinate::Zp}) {
        const ScaleField& field = kScales[IndexOf(c)];
        auto* edit = new QLineEdit(scaleBox);
        edit->setObjectName(field.name);
        auto* label = new QLabel(field.caption, scaleBox);
        label->setBuddy(edit);
        scaleLayout->addWidget(label);
        scaleLayout->addWidget(edit);
        scaleLayout->addSpacing(4);
        scales_[IndexOf(c)] = edit;
    }

    auto* controls = new QVBoxLayout;
    controls->addWidget(modeBox);
    controls->addWidget(scaleBox);
    controls->addStretch();

    chart_->hide();
    sigmaBox_->hide();
    beamBox_->hide();
    auto* matrix = new QVBoxLayout;
    matrix->addWidget(sigmaBox_);
    matrix->addWidget(beamBox_);
    matrix->addStretch();

    // The chart and the matrix share one place; only one of them is shown.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(chart_, 0, 0);
    layout->addLayout(matrix, 0, 0);
    layout->addLayout(controls, 0, 1);
    layout->setColumnStretch(0, 1);
}

std::vector<QWidget*> EmittancePage::inputFields() {
    std::vector<QWidget*> fields(scales_.begin(), scales_.end());
    for (int i = 0; i < 16; ++i) fields.push_back(&sigmaBox_->edit(i / 4, i % 4));
    return fields;
}

QLineEdit& EmittancePage::scaleEdit(PhaseCoordinate coordinate) { return *scales_[IndexOf(coordinate)]; }

void EmittancePage::hideOutput() {
    chart_->hide();
    sigmaBox_->hide();
    beamBox_->hide();
}

void EmittancePage::resetForLoad() {
    hideOutput();
    // The points are copies of the old set's; nothing can show them again.
    chart_->clearPoints();
}

void EmittancePage::SelectEmittanceMode(EmittanceMode mode) {
    const EmittancePlot plot = PlotOf(mode);
    for (std::size_t i = 0; i < scales_.size(); ++i) {
        const auto c = static_cast<PhaseCoordinate>(i);
        scales_[i]->setEnabled(IsPlot(mode) && (c == plot.bottom || c == plot.left));
        scales_[i]->clear();
    }
    ellipseCheck_->setEnabled(IsPhaseSpace(mode));
    mode_ = mode;
    hideOutput();
}

void EmittancePage::btnEmitDispClick() {
    if (IsPlot(mode_))
        displayPlot();
    else
        displaySigmaMatrix();
}

void EmittancePage::displayPlot() {
    const AppState& state = services_.state;
    const EmittancePlot plot = PlotOf(mode_);
    const auto planned = PlanEmittanceAxes(mode_, scaleEdit(plot.bottom).text().toStdString(),
                                           scaleEdit(plot.left).text().toStdString(), services_.set, state.sourceKind);
    if (const auto* refusal = std::get_if<Message>(&planned)) return services_.dialogs.message(*refusal);
    const EmittanceAxes& axes = std::get<EmittanceAxes>(planned);

    hideOutput();
    chart_->clearPoints();
    BusyPanel& busy = services_.busy;
    busy.start();
    PlotPoints points = ComputePlotPoints(services_.set, state.sourceKind, plot.bottom, plot.left, busy.progress());
    chart_->setPoints(std::move(points.keys), std::move(points.values));
    chart_->setRanges(axes.bottom, axes.left);
    chart_->setTitles(plot.bottomTitle, plot.leftTitle);
    chart_->show();
    refreshEllipse();
    chart_->replot();
    busy.finish();
}

void EmittancePage::displaySigmaMatrix() {
    if (services_.state.sourceKind == SourceKind::None) return services_.dialogs.message(ErrorMessage(kNoDataText));
    hideOutput();
    chart_->clearPoints();
    BusyPanel& busy = services_.busy;
    busy.start();
    const SigmaMatrix sigma = ComputeSigmaMatrix(services_.set, services_.state.sourceKind, busy.progress());
    sigmaBox_->showMatrix(sigma);
    beamBox_->showParameters(sigma);
    busy.finish();
    sigmaBox_->show();
    beamBox_->show();
}

// The ellipse of the plane shown, about the mean of its points, when asked for.
void EmittancePage::refreshEllipse() {
    const bool wanted =
        ellipseCheck_->isChecked() && IsPhaseSpace(mode_) && !chart_->isHidden() && chart_->points().size() > 0;
    if (!wanted) return chart_->setEllipse({});
    const SigmaMatrix sigma = ComputeSigmaMatrix(services_.set, services_.state.sourceKind);
    const Plane plane = mode_ == EmittanceMode::Horizontal ? Plane::Y : Plane::Z;
    const std::size_t u = plane == Plane::Y ? 0 : 2;
    PhasePair centre;
    const double n = services_.set.count;
    const bool holdsSlopes = HoldsSlopes(services_.state.sourceKind);
    for (int i = 1; i <= services_.set.count; ++i) {
        const PhasePoint p = PhasePointOf(services_.set.record(i), holdsSlopes);
        centre.u += p[static_cast<PhaseCoordinate>(u)];
        centre.up += p[static_cast<PhaseCoordinate>(u + 1)];
    }
    centre.u /= n;
    centre.up /= n;
    chart_->setEllipse(RmsEllipse(PlaneParametersOf(sigma, plane), centre));
}

}  // namespace zelkor
