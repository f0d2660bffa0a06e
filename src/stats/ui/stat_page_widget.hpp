#pragma once

#include "widgets/listeners.hpp"
#include "widgets/window_services.hpp"
#include "data/message.hpp"
#include "state/copy_target.hpp"
#include "state/display_mode.hpp"
#include "stats/histogram.hpp"
#include "stats/histogram_view.hpp"
#include "stats/more_statistics.hpp"
#include "stats/stat_summary.hpp"
#include "stats/ui/page_look.hpp"

#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <string>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace zelkor {

struct AppState;
struct ParticleSet;
class AnalysisWindow;
class BusyPanel;
class CopyShortcutHandOver;
class EditCommands;
class HistogramChart;
class StringGridModel;
class TableViewGrid;
class UserDialogs;
enum class QuantityId;

// One of the four statistics pages, configured by its page look: the
// quantity choice, "Basic Analysis", "Filter Spectrum", "Display Spectrum"
// with "Default", "Data", "Graph" and "Graph Scale", and the histogram shown
// as a table or a chart in the same place. The work is the core's; the page
// reads its controls, calls it, and shows what comes back.
class StatPageWidget : public QWidget,
                       public ResetListener,
                       public LoadListener,
                       public UnitListener,
                       public RelativisticStartListener,
                       public AngleChoiceListener {
    Q_OBJECT
public:
    StatPageWidget(const WindowServices& services, StatPage page, CopyTarget tableCopyTarget, AnalysisWindow& analysis,
                   QWidget* parent);
    ~StatPageWidget() override;

    StatPage page() const { return page_; }
    AnalysisWindow& analysisWindow() { return analysis_; }
    TableViewGrid& editableGrid() { return *editableGrid_; }
    HistogramChart& chart() { return *chart_; }
    StringGridModel& tableModel() { return *tableModel_; }

    // The page's part of the reset before a load.
    void resetForLoad() override;
    // Every load may bring other units (a point file's are metres and radians).
    void loaded(SourceKind kind) override;
    void unitsChanged() override;
    // Energy and momentum pages: the histogram hidden and the width emptied,
    // as the calculation replaces what they show.
    void relativisticStarted() override;
    // Angle page: ang X, ang Y and ang Z enabled (ang X selected) or disabled (dY/dX selected).
    void switchAngleChoices(bool enabled) override;
    // The caption of the interval-width edit.
    void setRangeLabel(const std::string& caption);
    // The caption naming the unit the page computes in now. When the unit of
    // the page's quantity has changed, the interval width is converted to it
    // and a histogram made in the old unit is hidden.
    void refreshRangeLabel();
    // Table and chart out of sight.
    void hideHistogram();

public slots:
    void btnBasAnalysClick();
    void btnSpecFiltClick();
    void btnDefaultClick();
    void btnDataClick();
    void btnGraphClick();
    // "Fit Gaussian" (also the chart's context menu): the graph's intervals
    // fitted, drawing the graph first when none is shown.
    void btnFitGaussClick();
    void radbtnNoFilterClick();
    void radbtnFXsigmaClick();
    void quantityClick(QuantityId quantity);
    void displayModeClick(DisplayMode mode);
    void rbtnLinearClick();
    void rbtnLogarithmicClick();
    // OK and Cancel of the page's analysis window.
    void filterOk();
    void filterCancel();

private:
    void buildLayout();
    QWidget* buildQuantityGroup();
    QWidget* buildFilterGroup();
    QWidget* buildDisplayGroup();
    QWidget* buildHistogramArea();
    QString name(const char* stem) const;
    void showNoFilter();
    bool refuse(const std::optional<Message>& refusal);
    void runHistogram(HistogramView view);
    // The "More statistics" of a report's ions, shown below its rows.
    void showMoreStatistics(StatScope scope, const StatSummary& summary);
    void followUnitChange();

    WindowServices services_;
    const StatPage page_;
    const PageLook& look_;
    AnalysisWindow& analysis_;
    CopyTarget tableCopyTarget_;
    double runMultiplier_ = 0.0;
    // The quantity and unit the page's numbers (interval width, histogram) are in.
    QuantityId shownQuantity_;
    int shownUnit_ = 0;

    std::map<QuantityId, QRadioButton*> quantityButtons_;
    QLabel* filterStatus_ = nullptr;
    QRadioButton* noFilter_ = nullptr;
    QRadioButton* xSigma_ = nullptr;
    QLineEdit* multiplier_ = nullptr;
    QRadioButton* whole_ = nullptr;
    QRadioButton* filtered_ = nullptr;
    QRadioButton* zoom_ = nullptr;
    QLineEdit* zoomEdit_ = nullptr;
    QLabel* rangeLabel_ = nullptr;
    QLineEdit* width_ = nullptr;
    QRadioButton* linear_ = nullptr;
    QRadioButton* logarithmic_ = nullptr;
    QTableView* table_ = nullptr;
    StringGridModel* tableModel_ = nullptr;
    TableViewGrid* editableGrid_ = nullptr;
    HistogramChart* chart_ = nullptr;
    // The counted histogram the chart shows, in its quantity and unit.
    struct ShownHistogram {
        Histogram histogram;
        QuantityId quantity;
        int unitCode = 0;
    };
    std::optional<ShownHistogram> graphed_;
};

}  // namespace zelkor
