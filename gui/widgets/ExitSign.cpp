#include "widgets/ExitSign.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>

namespace mirendo {

QPixmap ExitSignPixmap(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 140, 70));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), w * 0.12, h * 0.12);
    // Door on the right, open towards the arrow.
    p.setPen(QPen(Qt::white, std::max(1.5, w / 16)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(w * 0.55, h * 0.18, w * 0.28, h * 0.64));
    // Arrow leaving to the left.
    QPainterPath arrow;
    arrow.moveTo(w * 0.12, h * 0.5);
    arrow.lineTo(w * 0.32, h * 0.30);
    arrow.lineTo(w * 0.32, h * 0.42);
    arrow.lineTo(w * 0.62, h * 0.42);
    arrow.lineTo(w * 0.62, h * 0.58);
    arrow.lineTo(w * 0.32, h * 0.58);
    arrow.lineTo(w * 0.32, h * 0.70);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    return pixmap;
}

} // namespace mirendo
