#include "widgets/pictures.hpp"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace zelkor {
namespace {

void Arrow(QPainter& painter, QPointF from, QPointF to) {
    painter.drawLine(from, to);
    const QPointF direction = (to - from) / std::hypot((to - from).x(), (to - from).y());
    const QPointF normal(-direction.y(), direction.x());
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to - 14 * direction + 5 * normal);
    head.lineTo(to - 14 * direction - 5 * normal);
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

// "cos X = a / (a² + b² + c²)^1/2" set as a fraction with a root.
void Formula(QPainter& painter, QPointF at, const QString& name, const QString& numerator) {
    const QFontMetricsF metrics(painter.font());
    const QString left = "cos " + name + "  =";
    const QString denominator = QString::fromUtf8("a\u00B2 + b\u00B2 + c\u00B2");
    painter.drawText(at, left);
    const double x = at.x() + metrics.horizontalAdvance(left) + 10;
    const double rootWidth = metrics.horizontalAdvance(denominator) + 18;
    const double lineY = at.y() - metrics.ascent() / 3;
    painter.drawLine(QPointF(x, lineY), QPointF(x + rootWidth, lineY));
    painter.drawText(QPointF(x + (rootWidth - metrics.horizontalAdvance(numerator)) / 2, lineY - 5), numerator);
    const double baseline = lineY + metrics.ascent() + 4;
    const double top = baseline - metrics.ascent() - 1;
    QPainterPath root;
    root.moveTo(x, baseline - 7);
    root.lineTo(x + 4, baseline - 9);
    root.lineTo(x + 9, baseline + 2);
    root.lineTo(x + 15, top);
    root.lineTo(x + rootWidth, top);
    painter.drawPath(root);
    painter.drawText(QPointF(x + 17, baseline), denominator);
}

}  // namespace

QPixmap CoordinateSystemPicture() {
    QPixmap picture(548, 458);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font("DejaVu Sans");
    font.setPixelSize(17);
    painter.setFont(font);

    // Oblique view: X to the right, Y up, Z towards the viewer (down and left).
    const QPointF origin(190, 225);
    const QPointF ex(1, 0), ey(0, -1), ez(-0.62, 0.5);
    const double a = 220, b = 150, c = 150;
    auto at = [&](double x, double y, double z) { return origin + x * ex + y * ey + z * ez; };

    painter.setPen(QPen(Qt::black, 2));
    Arrow(painter, origin, at(320, 0, 0));
    Arrow(painter, origin, at(0, 200, 0));
    Arrow(painter, origin, at(0, 0, 230));
    painter.drawText(at(320, 0, 0) + QPointF(-4, 24), "X");
    painter.drawText(at(0, 200, 0) + QPointF(10, 8), "Y");
    painter.drawText(at(0, 0, 230) + QPointF(-18, 4), "Z");
    painter.drawText(origin + QPointF(8, -8), "0");

    // The box with edges a, b, c whose far corner is P.
    painter.setPen(QPen(QColor(40, 90, 170), 1.3, Qt::DashLine));
    const QPointF p = at(a, b, c);
    const QPointF corners[] = {at(a, 0, 0), at(0, b, 0), at(0, 0, c), at(a, b, 0), at(a, 0, c), at(0, b, c)};
    painter.drawLine(corners[0], corners[3]);
    painter.drawLine(corners[1], corners[3]);
    painter.drawLine(corners[0], corners[4]);
    painter.drawLine(corners[2], corners[4]);
    painter.drawLine(corners[1], corners[5]);
    painter.drawLine(corners[2], corners[5]);
    painter.drawLine(corners[3], p);
    painter.drawLine(corners[4], p);
    painter.drawLine(corners[5], p);

    painter.setPen(QPen(QColor(200, 30, 30), 2.5));
    Arrow(painter, origin, p);
    painter.setBrush(QColor(200, 30, 30));
    painter.drawEllipse(p, 4, 4);
    painter.setPen(Qt::black);
    painter.drawText(p + QPointF(10, 18), "P (a, b, c)");
    painter.drawText(at(a / 2, 0, 0) + QPointF(-4, -8), "a");
    painter.drawText(at(0, b / 2, 0) + QPointF(-16, 6), "b");
    painter.drawText(at(0, 0, c / 2) + QPointF(10, 14), "c");

    font.setPixelSize(15);
    painter.setFont(font);
    painter.setBrush(Qt::NoBrush);
    Formula(painter, QPointF(260, 345), "X", "a");
    Formula(painter, QPointF(260, 388), "Y", "b");
    Formula(painter, QPointF(260, 431), "Z", "c");
    return picture;
}

QPixmap DataAvailableIcon() {
    QPixmap icon(32, 32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(20, 110, 40), 2));
    painter.setBrush(QColor(90, 200, 110));
    painter.drawEllipse(QRectF(2, 2, 28, 28));
    painter.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(9, 16.5), QPointF(14, 22), QPointF(23, 10)}));
    return icon;
}

}  // namespace zelkor
