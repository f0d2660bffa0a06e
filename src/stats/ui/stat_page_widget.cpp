// The controls of a statistics page and where they stand; stat_page_actions.cpp
// holds what they do.
#include "stats/ui/stat_page_widget.hpp"

#include "widgets/copy_shortcut_hand_over.hpp"
#include "widgets/edit_commands.hpp"
#include "widgets/table_view_grid.hpp"
#include "state/app_state.hpp"
#include "stats/page_quantity.hpp"
#include "stats/quantity.hpp"
#include "stats/ui/analysis_window.hpp"
#include "stats/ui/histogram_chart.hpp"
#include "stats/ui/quantity_buttons.hpp"
#include "widgets/string_grid_model.hpp"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zelkor {
namespace {

// The page must fit the 790 x 570 window: group boxes sit close together.
void Compact(QLayout* layout) {
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(2);
}

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Runs the action when the button becomes checked, by a click or by the
// program, as the page's radio buttons do.
void OnChecked(QRadioButton* button, std::function<void()> action) {
    QObject::connect(button, &QRadioButton::toggled, button, [action = std::move(action)](bool checked) {
        if (checked) action();
    });
}

}  // namespace

StatPageWidget::StatPageWidget(const WindowServices& services, StatPage page, CopyTarget tableCopyTarget,
                               AnalysisWindow& analysis, QWidget* parent)
    : QWidget(parent),
      services_(services),
      page_(page),
      look_(LookOfPage(page)),
      analysis_(analysis),
      tableCopyTarget_(tableCopyTarget),
      shownQuantity_(PageQuantity(services.state, page)),
      shownUnit_(services.state.unitOf(shownQuantity_)) {
    setObjectName(name("StatPage"));
    buildLayout();
    analysis_.onOk([this] { filterOk(); });
    analysis_.onCancel([this] { filterCancel(); });
    analysis_.onDismissed([this] { services_.state.copyTarget = CopyTarget::None; });
}

StatPageWidget::~StatPageWidget() = default;

QString StatPageWidget::name(const char* stem) const { return QString(stem) + QChar(look_.suffix); }

void StatPageWidget::buildLayout() {
    auto* controls = new QVBoxLayout;
    controls->setSpacing(4);
    controls->addWidget(buildQuantityGroup());
    auto* basic = new QPushButton("Basic Analysis", this);
    basic->setObjectName(name("btnBasAnalys"));
    connect(basic, &QPushButton::clicked, this, &StatPageWidget::btnBasAnalysClick);
    controls->addWidget(basic);
    controls->addWidget(buildFilterGroup());
    controls->addWidget(buildDisplayGroup());
    controls->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(controls);
    layout->addWidget(buildHistogramArea(), 1);
}

QWidget* StatPageWidget::buildQuantityGroup() {
    auto* group = new QGroupBox(QuantityGroupCaption(page()), this);
    group->setObjectName(name("grboxQuantity"));
    auto* layout = new QGridLayout(group);
    auto* buttons = new QButtonGroup(group);
    int index = 0;
    for (const QuantityButton& entry : QuantityButtons(page())) {
        auto* button = new QRadioButton(entry.caption, group);
        button->setObjectName(entry.objectName);
        button->setChecked(entry.quantity == look_.startQuantity);
        buttons->addButton(button);
        layout->addWidget(button, index % 3, index / 3);
        quantityButtons_[entry.quantity] = button;
        OnChecked(button, [this, quantity = entry.quantity] { quantityClick(quantity); });
        ++index;
    }
    if (index == 0) layout->addWidget(new QLabel("Momentum of the ions", group), 0, 0);
    Compact(layout);
    return group;
}

QWidget* StatPageWidget::buildFilterGroup() {
    auto* group = new QGroupBox("Filter Spectrum", this);
    group->setObjectName(name("grboxSpecFilt"));
    auto* statusCaption = new QLabel("Filter Status:", group);
    statusCaption->setObjectName(name("lblFiltStat"));
    filterStatus_ = new QLabel(kNoFilterText, group);
    filterStatus_->setObjectName(name("lblFStatus"));
    filterStatus_->setStyleSheet("color: red;");
    noFilter_ = new QRadioButton("No Filter", group);
    noFilter_->setObjectName(name("radbtnNoFilter"));
    noFilter_->setChecked(true);
    xSigma_ = new QRadioButton(group);
    xSigma_->setObjectName(name("radbtnFXsigma"));
    multiplier_ = new QLineEdit(group);
    multiplier_->setObjectName(name("editSpecFilt"));
    multiplier_->setEnabled(false);
    multiplier_->setMaximumWidth(70);
    auto* xSigmaText = new QLabel("x sigma", group);
    xSigmaText->setObjectName(name("sttxtSFxsigma"));
    auto* run = new QPushButton("Filter Spectrum", group);
    run->setObjectName(name("btnSpecFilt"));
    OnChecked(noFilter_, [this] { radbtnNoFilterClick(); });
    OnChecked(xSigma_, [this] { radbtnFXsigmaClick(); });
    connect(run, &QPushButton::clicked, this, &StatPageWidget::btnSpecFiltClick);
    services_.copyHandOver.join(*multiplier_);

    auto* layout = new QGridLayout(group);
    layout->addWidget(statusCaption, 0, 0);
    layout->addWidget(filterStatus_, 0, 1, 1, 3);
    layout->addWidget(noFilter_, 1, 0, 1, 4);
    layout->addWidget(xSigma_, 2, 0, Qt::AlignRight);
    layout->addWidget(multiplier_, 2, 1);
    layout->addWidget(xSigmaText, 2, 2);
    layout->addWidget(run, 3, 0, 1, 4);
    Compact(layout);
    layout->setColumnStretch(3, 1);
    return group;
}

QWidget* StatPageWidget::buildDisplayGroup() {
    auto* group = new QGroupBox("Display Spectrum", this);
    group->setObjectName(name("grboxSpecDisp"));
    whole_ = new QRadioButton("Whole Spectrum", group);
    whole_->setObjectName(name("radbtnWhole"));
    whole_->setChecked(true);
    filtered_ = new QRadioButton("Filtered Spectrum", group);
    filtered_->setObjectName(name("radbtnFiltered"));
    zoom_ = new QRadioButton(group);
    zoom_->setObjectName(name("radbtnDXsigma"));
    zoomEdit_ = new QLineEdit(group);
    zoomEdit_->setObjectName(name("editSpecDisp"));
    zoomEdit_->setEnabled(false);
    zoomEdit_->setMaximumWidth(70);
    auto* zoomText = new QLabel("x Zoom", group);
    zoomText->setObjectName(name("stSpDi_sigma"));
    rangeLabel_ = new QLabel(Text(look_.startRangeLabel), group);
    rangeLabel_->setObjectName(name("lbeditRanofIntLabel"));
    width_ = new QLineEdit(group);
    width_->setObjectName(name("lbeditRanofInt"));
    width_->setMaxLength(50);
    rangeLabel_->setBuddy(width_);
    auto* standard = new QPushButton("Default", group);
    standard->setObjectName(name("btnDefault"));
    OnChecked(whole_, [this] { displayModeClick(DisplayMode::Whole); });
    OnChecked(filtered_, [this] { displayModeClick(DisplayMode::Filtered); });
    OnChecked(zoom_, [this] { displayModeClick(DisplayMode::Zoom); });
    connect(standard, &QPushButton::clicked, this, &StatPageWidget::btnDefaultClick);
    services_.copyHandOver.join(*zoomEdit_);
    services_.copyHandOver.join(*width_);

    auto* options = new QGroupBox("Display Options", group);
    options->setObjectName(name("grboxDispOpt"));
    auto* data = new QPushButton("Data", options);
    data->setObjectName(name("btnData"));
    auto* graph = new QPushButton("Graph", options);
    graph->setObjectName(name("btnGraph"));
    auto* fit = new QPushButton("Fit Gaussian", options);
    fit->setObjectName(name("btnFitGauss"));
    connect(data, &QPushButton::clicked, this, &StatPageWidget::btnDataClick);
    connect(graph, &QPushButton::clicked, this, &StatPageWidget::btnGraphClick);
    connect(fit, &QPushButton::clicked, this, &StatPageWidget::btnFitGaussClick);
    auto* optionsLayout = new QGridLayout(options);
    optionsLayout->addWidget(data, 0, 0);
    optionsLayout->addWidget(graph, 0, 1);
    optionsLayout->addWidget(fit, 1, 0, 1, 2);
    Compact(optionsLayout);

    auto* scale = new QGroupBox("Graph Scale", group);
    scale->setObjectName(name("grboxGraphScale"));
    linear_ = new QRadioButton("Linear", scale);
    linear_->setObjectName(name("rbtnLinear"));
    linear_->setChecked(true);
    logarithmic_ = new QRadioButton("Logarithmic", scale);
    logarithmic_->setObjectName(name("rbtnLogarithmic"));
    OnChecked(linear_, [this] { rbtnLinearClick(); });
    OnChecked(logarithmic_, [this] { rbtnLogarithmicClick(); });
    auto* scaleLayout = new QVBoxLayout(scale);
    scaleLayout->addWidget(linear_);
    scaleLayout->addWidget(logarithmic_);
    Compact(scaleLayout);

    auto* layout = new QGridLayout(group);
    layout->addWidget(whole_, 0, 0, 1, 4);
    layout->addWidget(filtered_, 1, 0, 1, 4);
    layout->addWidget(zoom_, 2, 0, Qt::AlignRight);
    layout->addWidget(zoomEdit_, 2, 1);
    layout->addWidget(zoomText, 2, 2);
    layout->addWidget(rangeLabel_, 3, 0, 1, 4);
    layout->addWidget(width_, 4, 0, 1, 3);
    layout->addWidget(standard, 4, 3);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(options);
    bottom->addWidget(scale);
    layout->addLayout(bottom, 5, 0, 1, 4);
    Compact(layout);
    layout->setColumnStretch(3, 1);
    return group;
}

QWidget* StatPageWidget::buildHistogramArea() {
    auto* area = new QWidget(this);
    auto* layout = new QGridLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);

    tableModel_ = new StringGridModel(3, true, this);
    table_ = new QTableView(area);
    table_->setObjectName(Text(look_.dataGrid));
    table_->setModel(tableModel_);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(20);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table_->setWordWrap(false);
    for (int column = 0; column < 3; ++column)
        table_->setColumnWidth(column, look_.dataColumnWidths[static_cast<std::size_t>(column)]);
    const Rgb& header = look_.dataHeaderColour;
    table_->horizontalHeader()->setStyleSheet(QString("QHeaderView::section { background-color: rgb(%1, %2, %3); }")
                                                  .arg(header.red)
                                                  .arg(header.green)
                                                  .arg(header.blue));
    table_->hide();
    editableGrid_ = new TableViewGrid(*table_, *tableModel_, tableCopyTarget_, true);

    chart_ = new HistogramChart(look_, services_.dialogs, area);
    chart_->onFitRequested([this] { btnFitGaussClick(); });
    chart_->hide();
    layout->addWidget(table_, 0, 0);
    layout->addWidget(chart_, 0, 0);
    return area;
}

}  // namespace zelkor
