#pragma once

#include "stats/histogram_text.hpp"
#include "stats/ui/page_look.hpp"

#include "widgets/keepable_chart.hpp"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zelkor {

// graphE, graphM, graphP, graphA: one bar per interval in order, the axis
// shows the interval centres as text. The count axis is linear or
// logarithmic; a rectangle dragged with the mouse zooms, a double click shows
// everything again, the right button offers saving the chart as PNG or PDF.
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

    // The whole histogram in view again (after a mouse zoom).
    void showAll() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateTicks();
    void fitCountAxis();

    QCPBars* bars_;
    QSharedPointer<QCPAxisTickerText> labelTicker_;
    std::vector<std::string> labels_;
    int maxCount_ = 0;
};

}  // namespace zelkor
