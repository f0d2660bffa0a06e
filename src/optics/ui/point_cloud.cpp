#include "optics/ui/point_cloud.hpp"

#include "data/run_on_threads.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace zelkor {
namespace {

// coordinate -> pixel of a linear axis as one multiply and add.
struct LinearMap {
    double offset;
    double factor;
    double operator()(double v) const { return offset + v * factor; }
};

LinearMap MapOf(const QCPAxis& axis) {
    const QCPRange range = axis.range();
    const double lo = axis.coordToPixel(range.lower);
    const double hi = axis.coordToPixel(range.upper);
    const double factor = (hi - lo) / range.size();
    return {lo - range.lower * factor, factor};
}

}  // namespace

PointCloud::PointCloud(QCPAxis* keyAxis, QCPAxis* valueAxis) : QCPAbstractPlottable(keyAxis, valueAxis) {
    setAntialiased(false);
    setSelectable(QCP::stNone);
}

// The extents of the finite points, measured in runs on every core; ranges
// only widen on a strict comparison, so the runs joined in order give what
// one pass gives.
void PointCloud::setPoints(std::vector<double> keys, std::vector<double> values) {
    keys_ = std::move(keys);
    values_ = std::move(values);
    values_.resize(keys_.size());
    // Bounds of finite values widen only on a strict comparison, as QCPRange::expand does.
    struct Extents {
        double keyLo = 0.0, keyHi = 0.0, valueLo = 0.0, valueHi = 0.0;
        bool found = false;
        void take(double kLo, double kHi, double vLo, double vHi) {
            if (!found) {
                *this = {kLo, kHi, vLo, vHi, true};
                return;
            }
            if (kLo < keyLo) keyLo = kLo;
            if (kHi > keyHi) keyHi = kHi;
            if (vLo < valueLo) valueLo = vLo;
            if (vHi > valueHi) valueHi = vHi;
        }
    };
    const std::vector<IndexRun> runs = SplitIntoRuns(keys_.size());
    std::vector<Extents> parts(runs.size());
    ForEachRun(runs, [&](IndexRun run, std::size_t part) {
        Extents e;
        for (std::size_t i = run.begin; i < run.end; ++i) {
            const double k = keys_[i], v = values_[i];
            if (std::isfinite(k) && std::isfinite(v)) e.take(k, k, v, v);
        }
        parts[part] = e;
    });
    Extents all;
    for (const Extents& part : parts)
        if (part.found) all.take(part.keyLo, part.keyHi, part.valueLo, part.valueHi);
    hasExtent_ = all.found;
    if (all.found) {
        keyExtent_ = QCPRange(all.keyLo, all.keyHi);
        valueExtent_ = QCPRange(all.valueLo, all.valueHi);
    }
}

void PointCloud::clearPoints() { setPoints({}, {}); }

double PointCloud::selectTest(const QPointF&, bool, QVariant*) const { return -1.0; }

QCPRange PointCloud::getKeyRange(bool& foundRange, QCP::SignDomain) const {
    foundRange = hasExtent_;
    return keyExtent_;
}

QCPRange PointCloud::getValueRange(bool& foundRange, QCP::SignDomain, const QCPRange&) const {
    foundRange = hasExtent_;
    return valueExtent_;
}

void PointCloud::draw(QCPPainter* painter) {
    if (keys_.empty() || !keyAxis() || !valueAxis()) return;
    const QRect area = clipRect();
    if (area.width() <= 0 || area.height() <= 0) return;
    // The image has the device's pixels, so a dot is 2 x 2 pixels also on a
    // high-resolution screen or in an enlarged PNG.
    const double device = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const double scale = std::clamp(device * std::abs(painter->transform().m11()), 1.0, 4.0);
    const int width = static_cast<int>(std::ceil(area.width() * scale));
    const int height = static_cast<int>(std::ceil(area.height() * scale));
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    const LinearMap mapKey = MapOf(*keyAxis());
    const LinearMap mapValue = MapOf(*valueAxis());
    const bool keyHorizontal = keyAxis()->orientation() == Qt::Horizontal;
    const double left = area.left(), top = area.top();
    const double areaWidth = area.width(), areaHeight = area.height();
    const int size = std::max(2, static_cast<int>(std::lround(2.0 * scale)));
    // Calls mark(row, column) for every pixel of the dots of points [begin, end).
    const auto dots = [&](std::size_t begin, std::size_t end, auto&& mark) {
        for (std::size_t i = begin; i < end; ++i) {
            const double kp = mapKey(keys_[i]);
            const double vp = mapValue(values_[i]);
            const double xp = (keyHorizontal ? kp : vp) - left;
            const double yp = (keyHorizontal ? vp : kp) - top;
            // NaN fails both comparisons and is skipped with the points outside.
            if (!(xp >= -1.0 && xp <= areaWidth && yp >= -1.0 && yp <= areaHeight)) continue;
            // The dot's centre on the point: its pixels are the two on each side of it.
            const int x = static_cast<int>(std::floor(xp * scale - 0.5 * scale));
            const int y = static_cast<int>(std::floor(yp * scale - 0.5 * scale));
            for (int row = std::max(y, 0); row < std::min(y + size, height); ++row)
                for (int column = std::max(x, 0); column < std::min(x + size, width); ++column) mark(row, column);
        }
    };
    // The first run paints into the image, the others into masks of their
    // own, which are then laid over it: a pixel is coloured, or it is not.
    auto* bits = reinterpret_cast<QRgb*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    const QRgb colour = colour_;
    const std::vector<IndexRun> runs = SplitIntoRuns(keys_.size());
    const auto pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<std::vector<std::uint8_t>> masks(runs.size() - 1);
    ForEachRun(runs, [&](IndexRun run, std::size_t k) {
        if (k == 0) return dots(run.begin, run.end, [&](int row, int column) { bits[row * stride + column] = colour; });
        std::vector<std::uint8_t>& mask = masks[k - 1];
        mask.assign(pixels, 0);
        dots(run.begin, run.end, [&](int row, int column) {
            mask[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) + static_cast<std::size_t>(column)] =
                1;
        });
    });
    for (const std::vector<std::uint8_t>& mask : masks)
        for (int row = 0; row < height; ++row) {
            const std::uint8_t* marks = mask.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(width);
            QRgb* line = bits + row * stride;
            for (int column = 0; column < width; ++column)
                if (marks[column] != 0) line[column] = colour;
        }
    image.setDevicePixelRatio(scale);
    painter->drawImage(QRectF(area), image);
}

void PointCloud::drawLegendIcon(QCPPainter* painter, const QRectF& rect) const {
    painter->fillRect(QRectF(rect.center() - QPointF(1, 1), QSizeF(2, 2)), QColor::fromRgb(colour_));
}

}  // namespace zelkor
