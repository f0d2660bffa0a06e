#include "optics/ui/emittance_chart.hpp"

#include "optics/ui/point_cloud.hpp"

#include <cmath>

namespace zelkor {
namespace {

class DecimalTicker : public QCPAxisTicker {
protected:
    QString getTickLabel(double tick, const QLocale&, QChar, int) override { return ValueLabel(tick); }
};

void StyleAxis(QCPAxis& axis) {
    axis.setTicker(QSharedPointer<QCPAxisTicker>(new DecimalTicker));
    axis.setSubTicks(false);
}

// The range an axis is given: the page's when a chart can show it, else the
// same automatic rule over the finite points only, else -1 .. 1.
QCPRange Fitted(const AxisRange& planned, bool foundExtent, const QCPRange& extent) {
    AxisRange range = planned;
    if (!std::isfinite(range.min) || !std::isfinite(range.max)) {
        if (foundExtent) range = AutoAxisRange(extent.lower, extent.upper);
    }
    range = DrawableRange(range);
    return {range.min, range.max};
}

}  // namespace

QString ValueLabel(double value) {
    QString text = QString::number(value, 'f', 6);
    while (text.endsWith('0')) text.chop(1);
    if (text.endsWith('.')) text.chop(1);
    if (text == "-0") text = "0";
    return text;
}

EmittanceChart::EmittanceChart(UserDialogs& dialogs, QWidget* parent) : KeepableChart(dialogs, parent) {
    setObjectName("graphI");
    legend->setVisible(false);
    StyleAxis(*xAxis);
    StyleAxis(*yAxis);
    cloud_ = new PointCloud(xAxis, yAxis);
    cloud_->setObjectName("Series1");
    ellipse_ = new QCPCurve(xAxis, yAxis);
    ellipse_->setObjectName("rmsEllipse");
    ellipse_->setPen(QPen(QColor(0, 0, 160), 1.5));
    ellipse_->setVisible(false);
    setInteractions(QCP::iRangeZoom);
    // One replot per frame however fast the mouse moves.
    setNoAntialiasingOnDrag(true);
}

void EmittanceChart::setPoints(std::vector<double> keys, std::vector<double> values) {
    cloud_->setPoints(std::move(keys), std::move(values));
}

void EmittanceChart::clearPoints() {
    cloud_->clearPoints();
    ellipse_->data()->clear();
    ellipse_->setVisible(false);
}

void EmittanceChart::setRanges(const AxisRange& bottom, const AxisRange& left) {
    bool found = false;
    const QCPRange keys = cloud_->getKeyRange(found);
    bottomRange_ = Fitted(bottom, found, keys);
    const QCPRange values = cloud_->getValueRange(found);
    leftRange_ = Fitted(left, found, values);
    xAxis->setRange(bottomRange_);
    yAxis->setRange(leftRange_);
}

void EmittanceChart::setTitles(const char* bottom, const char* left) {
    xAxis->setLabel(QString::fromUtf8(bottom));
    yAxis->setLabel(QString::fromUtf8(left));
}

void EmittanceChart::setEllipse(const std::vector<PhasePair>& ellipse) {
    QVector<double> t, u, up;
    for (std::size_t i = 0; i < ellipse.size(); ++i) {
        t.push_back(static_cast<double>(i));
        u.push_back(ellipse[i].u);
        up.push_back(ellipse[i].up);
    }
    ellipse_->setData(t, u, up, true);
    ellipse_->setVisible(!ellipse.empty());
}

bool EmittanceChart::showsEllipse() const { return ellipse_->visible(); }

void EmittanceChart::showAll() {
    xAxis->setRange(bottomRange_);
    yAxis->setRange(leftRange_);
    replot();
}

void EmittanceChart::mousePressEvent(QMouseEvent* event) {
    const bool pan = event->button() == Qt::MiddleButton ||
                     (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier));
    if (!pan) return KeepableChart::mousePressEvent(event);
    panning_ = true;
    panFrom_ = event->pos();
    setCursor(Qt::ClosedHandCursor);
}

void EmittanceChart::mouseMoveEvent(QMouseEvent* event) {
    if (!panning_) return KeepableChart::mouseMoveEvent(event);
    const QPoint to = event->pos();
    xAxis->moveRange(xAxis->pixelToCoord(panFrom_.x()) - xAxis->pixelToCoord(to.x()));
    yAxis->moveRange(yAxis->pixelToCoord(panFrom_.y()) - yAxis->pixelToCoord(to.y()));
    panFrom_ = to;
    replot(rpQueuedReplot);
}

void EmittanceChart::mouseReleaseEvent(QMouseEvent* event) {
    if (!panning_) return KeepableChart::mouseReleaseEvent(event);
    panning_ = false;
    unsetCursor();
    replot();
}

}  // namespace zelkor
