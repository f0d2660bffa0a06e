// What the controls of a statistics page do, in the order the program takes
// its steps: each action asks the core and shows the texts it returns.
#include "stats/ui/stat_page_widget.hpp"

#include "widgets/page_host.hpp"
#include "widgets/busy_panel.hpp"
#include "widgets/user_dialogs.hpp"
#include "state/app_state.hpp"
#include "data/particle_set.hpp"
#include "stats/availability.hpp"
#include "stats/basic_analysis.hpp"
#include "stats/default_width.hpp"
#include "stats/filter_spectrum.hpp"
#include "stats/fit/fit_gaussian.hpp"
#include "stats/gaussian_fit.hpp"
#include "stats/histogram_text.hpp"
#include "stats/interval_width.hpp"
#include "stats/more_statistics_text.hpp"
#include "stats/page_more_statistics.hpp"
#include "stats/page_quantity.hpp"
#include "stats/prepare_histogram.hpp"
#include "stats/quantity.hpp"
#include "stats/select_quantity.hpp"
#include "stats/sigma_multiplier.hpp"
#include "stats/unit_change.hpp"
#include "stats/value_column.hpp"
#include "stats/ui/analysis_window.hpp"
#include "stats/ui/fit_curve.hpp"
#include "stats/ui/histogram_chart.hpp"
#include "widgets/string_grid_model.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableView>

namespace zelkor {
namespace {

std::string TextOf(const QLineEdit& edit) { return edit.text().toStdString(); }

}  // namespace

bool StatPageWidget::refuse(const std::optional<Message>& refusal) {
    if (!refusal) return false;
    services_.dialogs.message(*refusal);
    return true;
}

void StatPageWidget::hideHistogram() {
    table_->hide();
    chart_->hide();
    graphed_.reset();
}

void StatPageWidget::setRangeLabel(const std::string& caption) {
    rangeLabel_->setText(QString::fromStdString(caption));
}

void StatPageWidget::refreshRangeLabel() {
    const QuantityId quantity = PageQuantity(services_.state, page());
    setRangeLabel(RangeLabel(quantity, services_.state.unitOf(quantity)));
    followUnitChange();
}

void StatPageWidget::loaded(SourceKind) { refreshRangeLabel(); }

void StatPageWidget::unitsChanged() { refreshRangeLabel(); }

void StatPageWidget::relativisticStarted() {
    hideHistogram();
    width_->clear();
}

void StatPageWidget::followUnitChange() {
    const QuantityId quantity = PageQuantity(services_.state, page());
    const int unit = services_.state.unitOf(quantity);
    if (quantity == shownQuantity_ && unit != shownUnit_) {
        hideHistogram();
        if (const auto width = ConvertedWidthText(quantity, shownUnit_, unit, TextOf(*width_)))
            width_->setText(QString::fromStdString(*width));
    }
    shownQuantity_ = quantity;
    shownUnit_ = unit;
}

void StatPageWidget::showNoFilter() {
    width_->clear();
    multiplier_->clear();
    filterStatus_->setText(kNoFilterText);
    multiplier_->setEnabled(false);
}

void StatPageWidget::btnBasAnalysClick() {
    services_.host.Uklid();
    if (refuse(CheckAvailability(page(), services_.state, services_.set))) return;
    analysis_.hide();
    services_.busy.start();
    const auto report = [this] {
        // The report and its further figures read one evaluation of the quantity.
        const ReuseColumns reuse;
        auto checked = BasicAnalysis(services_.state, services_.set, page(), services_.busy.progress());
        if (checked.ok()) showMoreStatistics(StatScope::All, checked.value->summary);
        return checked;
    }();
    services_.busy.finish();
    if (refuse(report.refusal)) return;
    analysis_.showReport(report.value->rows, std::nullopt);
}

// Inside the busy panel of the report's own pass. A typed width the histogram
// would refuse leaves the box without figures and says why.
void StatPageWidget::showMoreStatistics(StatScope scope, const StatSummary& summary) {
    const auto more = MoreStatisticsFor(services_.state, services_.set, page(), scope, summary, TextOf(*width_),
                                        services_.busy.progress());
    if (!more.ok()) {
        analysis_.showMoreStatistics(std::nullopt, more.refusal->text);
        return;
    }
    const QuantitySelection selection = SelectionFor(services_.state, page());
    analysis_.showMoreStatistics(BuildMoreStatisticsRows(page(), *more.value, selection.quantity, selection.unitCode),
                                 "");
}

void StatPageWidget::btnSpecFiltClick() {
    services_.host.Uklid();
    if (refuse(CheckAvailability(page(), services_.state, services_.set))) return;
    analysis_.hide();
    const bool filtering = xSigma_->isChecked();
    const std::string text = TextOf(*multiplier_);
    // The multiplier is judged before the busy panel appears.
    if (filtering && refuse(ValidateSigmaMultiplier(text).refusal)) return;
    services_.busy.start();
    const auto run = [&] {
        // The filter, its report and the further figures read one evaluation of the quantity.
        const ReuseColumns reuse;
        auto checked =
            FilterSpectrum(services_.state, services_.set, page(), filtering, text, services_.busy.progress());
        if (checked.ok() && checked.value->rows)
            showMoreStatistics(checked.value->filtered ? StatScope::Accepted : StatScope::All, checked.value->summary);
        else
            analysis_.showMoreStatistics(std::nullopt, "");
        return checked;
    }();
    if (run.ok() && run.value->tooLow) services_.dialogs.message(*run.value->tooLow);
    services_.busy.finish();
    if (refuse(run.refusal)) return;
    const FilterRun& outcome = *run.value;
    if (!outcome.filtered) {
        analysis_.showReport(outcome.rows.value_or(ReportRows{}), outcome.rejectionLine);
        return;
    }
    runMultiplier_ = outcome.multiplier;
    analysis_.showFilterOutcome(outcome.rows, outcome.rejectionLine, outcome.statusText);
}

void StatPageWidget::filterOk() {
    hideHistogram();
    const std::string status = CommitFilter(services_.state, page(), TextOf(*multiplier_), runMultiplier_);
    width_->clear();
    filterStatus_->setText(QString::fromStdString(status));
}

void StatPageWidget::filterCancel() { CancelFilter(services_.set); }

void StatPageWidget::radbtnNoFilterClick() {
    ClearFilter(services_.state, services_.set, page());
    hideHistogram();
    showNoFilter();
}

void StatPageWidget::radbtnFXsigmaClick() {
    hideHistogram();
    multiplier_->clear();
    multiplier_->setEnabled(true);
}

void StatPageWidget::quantityClick(QuantityId quantity) {
    hideHistogram();
    const auto caption = SelectQuantity(services_.state, services_.set, quantity);
    {
        // SelectQuantity has already cleared the filter; only the controls follow.
        const QSignalBlocker quiet(noFilter_);
        noFilter_->setChecked(true);
    }
    showNoFilter();
    if (caption) setRangeLabel(*caption);
    // The width is empty again: whatever is typed next is in this quantity's unit.
    shownQuantity_ = quantity;
    shownUnit_ = services_.state.unitOf(quantity);
}

void StatPageWidget::displayModeClick(DisplayMode mode) {
    hideHistogram();
    services_.state.displayModeOf(page()) = mode;
    width_->clear();
    zoomEdit_->clear();
    zoomEdit_->setEnabled(mode == DisplayMode::Zoom);
}

void StatPageWidget::btnDefaultClick() {
    const auto width = DefaultWidthText(services_.state, services_.set, page(), TextOf(*zoomEdit_));
    if (refuse(width.refusal)) return;
    width_->setText(QString::fromStdString(*width.value));
}

void StatPageWidget::btnDataClick() { runHistogram(HistogramView::Table); }

void StatPageWidget::btnGraphClick() { runHistogram(HistogramView::Graph); }

void StatPageWidget::runHistogram(HistogramView view) {
    if (view == HistogramView::Table || look_.graphClearsSelection) services_.host.Uklid();
    auto planned = PrepareHistogram(services_.state, services_.set, page(), view, TextOf(*width_), TextOf(*zoomEdit_));
    if (refuse(planned.refusal)) return;
    Histogram& histogram = *planned.value;
    const Message question = IntervalCountConfirmation(histogram.intervalCount);
    if (!services_.dialogs.confirm(question.caption, question.text)) return;

    hideHistogram();
    services_.busy.start();
    const QuantitySelection selection = SelectionFor(services_.state, page());
    CountHistogram(services_.set, selection, histogram, services_.busy.progress());
    if (view == HistogramView::Table) {
        const HistogramTable table = BuildHistogramTable(page(), selection.quantity, selection.unitCode, histogram);
        tableModel_->setTitles({table.header.begin(), table.header.end()});
        std::vector<std::vector<std::string>> rows;
        rows.reserve(table.rows.size());
        for (const HistogramRow& row : table.rows) rows.emplace_back(row.begin(), row.end());
        tableModel_->setRows(std::move(rows));
        for (int column = 0; column < 3; ++column)
            table_->setColumnWidth(column, look_.dataColumnWidths[static_cast<std::size_t>(column)]);
        services_.busy.finish();
        table_->show();
        return;
    }
    const HistogramBars bars = BuildHistogramBars(page(), selection.quantity, selection.unitCode, histogram);
    services_.busy.finish();
    chart_->show();
    chart_->setBars(bars);
    graphed_ = ShownHistogram{std::move(histogram), selection.quantity, selection.unitCode};
}

void StatPageWidget::btnFitGaussClick() {
    // Without the fit library there is nothing to draw the graph for.
    if (!GaussianFitAvailable()) {
        refuse(FitRefusal(GaussianFit{}));
        return;
    }
    if (!graphed_ || chart_->isHidden()) runHistogram(HistogramView::Graph);
    if (!graphed_) return;
    const GaussianFit fit = FitGaussian(graphed_->histogram);
    if (refuse(FitRefusal(fit))) return;
    const FitCurve curve = SampleFitCurve(graphed_->histogram, fit);
    chart_->setFit(curve.keys, curve.values, GaussianFitLines(page(), graphed_->quantity, graphed_->unitCode, fit));
}

void StatPageWidget::rbtnLinearClick() { chart_->setLogarithmic(false); }

void StatPageWidget::rbtnLogarithmicClick() { chart_->setLogarithmic(true); }

void StatPageWidget::resetForLoad() {
    hideHistogram();
    analysis_.hide();
    width_->clear();
    zoomEdit_->clear();
    multiplier_->clear();
    // Selecting a button runs its action only when it was not selected before.
    if (noFilter_->isChecked())
        showNoFilter();
    else
        noFilter_->setChecked(true);
    if (whole_->isChecked())
        zoomEdit_->setEnabled(false);
    else
        whole_->setChecked(true);
}

void StatPageWidget::switchAngleChoices(bool enabled) {
    for (const QuantityId angle : {QuantityId::AngX, QuantityId::AngY, QuantityId::AngZ}) {
        const auto found = quantityButtons_.find(angle);
        if (found != quantityButtons_.end()) found->second->setEnabled(enabled);
    }
    const auto select = quantityButtons_.find(enabled ? QuantityId::AngX : QuantityId::dYdX);
    if (select != quantityButtons_.end()) select->second->setChecked(true);
}

}  // namespace zelkor
