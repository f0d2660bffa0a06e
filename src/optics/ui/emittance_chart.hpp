#pragma once

#include "optics/axis_range.hpp"
#include "optics/beam_parameters.hpp"
#include "widgets/keepable_chart.hpp"

#include <vector>

namespace zelkor {

class PointCloud;

// graphI: the ions as red 2 x 2 pixel dots, axis ranges always set by the
// page, value labels "###0.######" without minor ticks, no legend or title.
// The left button drags a zoom rectangle, the middle button (or Ctrl with the
// left) pans, the wheel zooms, a double click or "Show All" returns to the
// page's ranges.
class EmittanceChart : public KeepableChart {
    Q_OBJECT
public:
    EmittanceChart(UserDialogs& dialogs, QWidget* parent);

    void setPoints(std::vector<double> keys, std::vector<double> values);
    void clearPoints();
    const PointCloud& points() const { return *cloud_; }
    // The ranges the page computed; an axis that cannot be drawn as given
    // (empty, inverted, or with an infinite end) is fitted to the finite points.
    void setRanges(const AxisRange& bottom, const AxisRange& left);
    void setTitles(const char* bottom, const char* left);
    // The rms ellipse over the points, or none for an empty polygon.
    void setEllipse(const std::vector<PhasePair>& ellipse);
    bool showsEllipse() const;

    void showAll() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PointCloud* cloud_;
    QCPCurve* ellipse_;
    QCPRange bottomRange_{-1.0, 1.0};
    QCPRange leftRange_{-1.0, 1.0};
    bool panning_ = false;
    QPoint panFrom_;
};

// The text of a value label: at most six decimals, trailing zeros dropped.
QString ValueLabel(double value);

}  // namespace zelkor
