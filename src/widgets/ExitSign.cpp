#include "widgets/ExitSign.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>

namespace mirendo {

namespace {

// A block arrow along the middle line y = midY: the tip at tipX, the head's base at headX with
// half-height headHalf, the shaft of half-height shaftHalf back to tailX. Either direction.
QPainterPath BlockArrow(double tipX, double headX, double tailX, double midY, double headHalf,
                        double shaftHalf) {
    QPainterPath arrow;
    arrow.moveTo(tipX, midY);
    for (const QPointF& corner : {QPointF(headX, midY - headHalf), QPointF(headX, midY - shaftHalf),
                                  QPointF(tailX, midY - shaftHalf), QPointF(tailX, midY + shaftHalf),
                                  QPointF(headX, midY + shaftHalf), QPointF(headX, midY + headHalf)})
        arrow.lineTo(corner);
    arrow.closeSubpath();
    return arrow;
}

} // namespace

QPixmap PaintedPixmap(QSize size, const QColor& background, const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(size);
    pixmap.fill(background);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return pixmap;
}

QPixmap ExitSignPixmap(QSize size) {
    return PaintedPixmap(size, Qt::transparent, [&](QPainter& p) {
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
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(BlockArrow(w * 0.12, w * 0.32, w * 0.62, h * 0.5, h * 0.2, h * 0.08));
    });
}

QPixmap RightArrowPixmap(QSize size) {
    return PaintedPixmap(size, Qt::transparent, [&](QPainter& p) {
        const double w = size.width();
        const double h = size.height();
        p.setPen(QPen(QColor(0, 0, 160), 1));
        p.setBrush(QColor(0, 0, 255));
        p.drawPath(BlockArrow(w * 0.92, w * 0.52, w * 0.08, h * 0.5, h * 0.38, h * 0.16));
    });
}

} // namespace mirendo
