#include "widgets/ChartLoupe.h"

#include <QPainter>

#include <cmath>

namespace mirendo {

ChartLoupe::ChartLoupe(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartLoupe::setPicture(const QImage& picture) {
    m_picture = picture;
    m_centre = QPointF(picture.width() / 2.0, picture.height() / 2.0);
    update();
}

void ChartLoupe::setCentre(QPointF pixel) {
    if (pixel == m_centre)
        return;
    m_centre = pixel;
    update();
}

void ChartLoupe::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(96, 96, 96));
    if (m_picture.isNull())
        return;
    // The pixels that reach into the loupe, drawn unsmoothed so each one is a square; the point
    // sits at the loupe's centre, to a fraction of a pixel.
    const double scale = m_magnification;
    const QPointF middle = QRectF(rect()).center();
    const QPointF topLeft = m_centre - middle / scale;
    const int left = int(std::floor(topLeft.x())), top = int(std::floor(topLeft.y()));
    const int columns = int(std::ceil(width() / scale)) + 2, rows = int(std::ceil(height() / scale)) + 2;
    const QRect part = QRect(left, top, columns, rows).intersected(m_picture.rect());
    if (!part.isEmpty()) {
        const QPointF at = middle + (QPointF(part.topLeft()) - m_centre) * scale;
        painter.drawImage(QRectF(at, QSizeF(part.size()) * scale), m_picture, part);
    }
    // The crosshair: open at the centre, over a white edge that shows on dark lines too.
    for (const QColor& colour : {QColor(Qt::white), QColor(220, 0, 0)}) {
        painter.setPen(QPen(colour, colour == Qt::white ? 3 : 1));
        const double gap = scale / 2 + 2;
        painter.drawLine(QPointF(0, middle.y()), middle - QPointF(gap, 0));
        painter.drawLine(middle + QPointF(gap, 0), QPointF(width(), middle.y()));
        painter.drawLine(QPointF(middle.x(), 0), middle - QPointF(0, gap));
        painter.drawLine(middle + QPointF(0, gap), QPointF(middle.x(), height()));
    }
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignRight | Qt::AlignBottom,
                     QStringLiteral("×%1").arg(m_magnification));
}

} // namespace mirendo
