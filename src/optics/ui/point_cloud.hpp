#pragma once

#include <qcustomplot.h>

#include <vector>

namespace zelkor {

// A point series of a million ions drawn fast and exactly: every point is a
// red 2 x 2 pixel dot painted straight into an image of the axis rectangle at
// the chart's resolution, so each pixel a point falls on is coloured and no
// point is sampled away. Drawing scales with the points, not with their shapes.
class PointCloud : public QCPAbstractPlottable {
    Q_OBJECT
public:
    PointCloud(QCPAxis* keyAxis, QCPAxis* valueAxis);

    // Keys and values of the same length; points that are not finite are kept
    // but never drawn.
    void setPoints(std::vector<double> keys, std::vector<double> values);
    void clearPoints();
    std::size_t size() const { return keys_.size(); }
    const std::vector<double>& keys() const { return keys_; }
    const std::vector<double>& values() const { return values_; }

    void setColour(QRgb colour) { colour_ = colour; }

    double selectTest(const QPointF& pos, bool onlySelectable, QVariant* details = nullptr) const override;
    QCPRange getKeyRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth) const override;
    QCPRange getValueRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth,
                           const QCPRange& inKeyRange = QCPRange()) const override;

protected:
    void draw(QCPPainter* painter) override;
    void drawLegendIcon(QCPPainter* painter, const QRectF& rect) const override;

private:
    std::vector<double> keys_;
    std::vector<double> values_;
    QCPRange keyExtent_, valueExtent_;
    bool hasExtent_ = false;
    QRgb colour_ = qRgb(255, 0, 0);
};

}  // namespace zelkor
