#pragma once

#include "stats/histogram_text.hpp"
#include "stats/ui/page_look.hpp"

#include "widgets/keepable_chart.hpp"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zelkor {

// graphE, graphM, graphP, graphA: one bar per interval in order, the axis
// shows the interval centres as text. The count axis is linear or
// logarithmic; a rectangle dragged with the mouse zooms, a double click shows
// everything again, the right button offers saving the chart as PNG or PDF,
// "Fit Gaussian" and, once a fit is shown, "Copy Fit Parameters".
class HistogramChart : public KeepableChart {
    Q_OBJECT
public:
    HistogramChart(const PageLook& page, UserDialogs& dialogs, QWidget* parent);

    // Replaces the bars and the bottom axis caption, and shows every bar.
    void setBars(const HistogramBars& bars);
    void setLogarithmic(bool logarithmic);
    bool logarithmic() const;

    QCPBars& bars() { return *bars_; }
    const std::vector<std::string>& labels() const { return labels_; }

    // A fitted curve over the bars, at bar positions (interval k's centre at
    // k), and its parameter lines in the corner; new bars take them away.
    void setFit(const QVector<double>& keys, const QVector<double>& values, const std::array<std::string, 4>& lines);
    void clearFit();
    bool hasFit() const;
    QCPGraph& fitCurve() { return *fitCurve_; }
    // The parameter lines as shown, one per line.
    QString fitText() const;
    // What the context menu's "Fit Gaussian" runs.
    void onFitRequested(std::function<void()> action) { fitRequested_ = std::move(action); }
    // Puts the parameter lines on the clipboard.
    void copyFit();

    // The whole histogram in view again (after a mouse zoom).
    void showAll() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void addOwnActions(QMenu& menu) override;

private:
    void updateTicks();
    void fitCountAxis();

    QCPBars* bars_;
    QSharedPointer<QCPAxisTickerText> labelTicker_;
    std::vector<std::string> labels_;
    int maxCount_ = 0;
    QCPGraph* fitCurve_;
    QCPItemText* fitLabel_;
    QAction* fitAction_;
    QAction* copyFitAction_;
    std::function<void()> fitRequested_;
};

}  // namespace zelkor
