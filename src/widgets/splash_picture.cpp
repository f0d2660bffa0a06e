#include "widgets/pictures.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace zelkor {
namespace {

void DrawStarburst(QPainter& painter, QPointF centre, double radius, int rays) {
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0.0, QColor(120, 190, 255));
    glow.setColorAt(0.35, QColor(20, 80, 190));
    glow.setColorAt(1.0, QColor(5, 15, 70));
    painter.fillRect(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), glow);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < rays; ++i) {
        const double angle = 2 * std::numbers::pi * i / rays;
        const double half = std::numbers::pi / rays * 0.35;
        QPainterPath ray;
        ray.moveTo(centre);
        ray.lineTo(centre + radius * QPointF(std::cos(angle - half), std::sin(angle - half)));
        ray.lineTo(centre + radius * QPointF(std::cos(angle + half), std::sin(angle + half)));
        ray.closeSubpath();
        QRadialGradient shine(centre, radius);
        shine.setColorAt(0.0, QColor(200, 230, 255, 200));
        shine.setColorAt(1.0, QColor(60, 120, 230, 0));
        painter.fillPath(ray, shine);
    }
}

void DrawOutlinedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font, const QColor& fill,
                      double outline) {
    QPainterPath path;
    const QFontMetricsF metrics(font);
    const double x = box.center().x() - metrics.horizontalAdvance(text) / 2;
    const double y = box.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    path.addText(QPointF(x, y), font, text);
    painter.setPen(QPen(QColor(10, 20, 60), outline));
    painter.setBrush(fill);
    painter.drawPath(path);
}

}  // namespace

QPixmap SplashPicture() {
    QPixmap picture(380, 285);
    picture.fill(QColor(5, 15, 70));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawStarburst(painter, QPointF(190, 130), 260, 28);

    QFont title("DejaVu Sans");
    title.setPixelSize(68);
    title.setBold(true);
    DrawOutlinedText(painter, QRectF(0, 80, 380, 90), "ZELKOR", title, QColor(255, 220, 30), 3);

    QFont version("DejaVu Sans");
    version.setPixelSize(20);
    version.setBold(true);
    DrawOutlinedText(painter, QRectF(0, 175, 380, 40), "version 1.0", version, QColor(255, 240, 150), 1);
    return picture;
}

QPixmap ProgramIcon(int size) {
    QPixmap icon(size, size);
    icon.fill(QColor(5, 15, 70));
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawStarburst(painter, QPointF(size / 2.0, size / 2.0), size * 0.75, 12);
    QFont letter("DejaVu Sans");
    letter.setPixelSize(size * 2 / 3);
    letter.setBold(true);
    DrawOutlinedText(painter, QRectF(0, 0, size, size), "Z", letter, QColor(255, 220, 30), 2);
    return icon;
}

}  // namespace zelkor
