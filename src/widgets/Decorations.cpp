#include "widgets/Decorations.h"

#include "qt/canvas/RawPixels.h"

#include "widgets/ExitSign.h"
#include "widgets/FormLayout.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace mirendo {

namespace {

void DrawDoubleArrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const double head = 5;
    p.drawLine(from, from + QPointF(head, -head * 0.6));
    p.drawLine(from, from + QPointF(head, head * 0.6));
    p.drawLine(to, to + QPointF(-head, -head * 0.6));
    p.drawLine(to, to + QPointF(-head, head * 0.6));
}

} // namespace

QPixmap SettingsExplanationPicture(QSize size) {
    return PaintedPixmap(size, Qt::white, [&](QPainter& p) {
        p.setRenderHint(QPainter::TextAntialiasing);

        // The frame sits right of the Y words and above the X words.
        const int side = std::min(size.width() - 110, size.height() - 110);
        const QRectF frame(70, 44, side, side);
        const double cell = side / 5.0;

        p.setPen(QPen(QColor(128, 128, 128), 1, Qt::DotLine));
        for (int k = 1; k < 5; ++k) {
            p.drawLine(QPointF(frame.left() + k * cell, frame.top()),
                       QPointF(frame.left() + k * cell, frame.bottom()));
            p.drawLine(QPointF(frame.left(), frame.top() + k * cell),
                       QPointF(frame.right(), frame.top() + k * cell));
        }
        p.setPen(QPen(Qt::black, 2));
        p.drawRect(frame);
        p.setPen(QPen(Qt::black, 1));
        for (int k = 0; k <= 5; ++k) {
            p.drawLine(QPointF(frame.left() + k * cell, frame.bottom()),
                       QPointF(frame.left() + k * cell, frame.bottom() + 4));
            p.drawLine(QPointF(frame.left() - 4, frame.top() + k * cell),
                       QPointF(frame.left(), frame.top() + k * cell));
        }

        p.setFont(WindowFont(11));
        const QFontMetrics fm = p.fontMetrics();
        const QString start = QCoreApplication::translate("Decorations", "開始値");
        const QString stop = QCoreApplication::translate("Decorations", "終了値");
        const QString step = QCoreApplication::translate("Decorations", "増分");
        // X axis: start under the left end, stop under the right end, "X" in the middle.
        const double xWordsTop = frame.bottom() + 8;
        p.drawText(QRectF(frame.left() - 30, xWordsTop, 60, fm.height()), Qt::AlignCenter, start);
        p.drawText(QRectF(frame.right() - 30, xWordsTop, 60, fm.height()), Qt::AlignCenter, stop);
        p.setFont(WindowFont(15, true));
        p.drawText(QRectF(frame.left(), xWordsTop + fm.height(), frame.width(), 22), Qt::AlignCenter,
                   QStringLiteral("X"));
        // Y axis: start at the bottom, stop at the top, "Y" in the middle, all left of the frame.
        p.drawText(QRectF(4, frame.center().y() - 11, 20, 22), Qt::AlignCenter, QStringLiteral("Y"));
        p.setFont(WindowFont(11));
        p.drawText(QRectF(22, frame.bottom() - fm.height() / 2.0, 44, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, start);
        p.drawText(QRectF(22, frame.top() - fm.height() / 2.0, 44, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, stop);

        // The increment: one grid interval above the frame, marked with a double arrow.
        p.setPen(QPen(QColor(0, 0, 192), 1));
        const double arrowY = frame.top() - 10;
        const QPointF from(frame.left() + cell, arrowY);
        const QPointF to(frame.left() + 2 * cell, arrowY);
        DrawDoubleArrow(p, from, to);
        p.setPen(QPen(QColor(0, 0, 192), 1, Qt::DashLine));
        p.drawLine(QPointF(from.x(), arrowY - 4), QPointF(from.x(), frame.top()));
        p.drawLine(QPointF(to.x(), arrowY - 4), QPointF(to.x(), frame.top()));
        p.drawText(QRectF(from.x() - 10, arrowY - 8 - fm.height(), cell + 20, fm.height()), Qt::AlignCenter,
                   step);
    });
}

QPixmap CompiledInSettingsExplanationPicture(QSize size) {
    return CompiledInRawPixels(QString::fromLatin1(kSettingsExplanationResource), size);
}

QPixmap LoadSettingsExplanationPicture(QSize size) {
    // The compiled-in pixels are drawn with the Japanese words; in another language the picture is
    // drawn at start with its words.
    const char* const word = QT_TRANSLATE_NOOP("Decorations", "開始値");
    QPixmap picture = QCoreApplication::translate("Decorations", word) == QString::fromUtf8(word)
                          ? CompiledInSettingsExplanationPicture(size)
                          : QPixmap();
    return picture.isNull() ? SettingsExplanationPicture(size) : picture;
}

QPixmap SmallGraphPicture(QSize size) {
    return PaintedPixmap(size, QColor(255, 255, 224), [&](QPainter& p) {
        const double w = size.width(), h = size.height();
        p.setPen(QPen(QColor(128, 128, 128), 1));
        for (int k = 1; k < 4; ++k) {
            p.drawLine(QPointF(k * w / 4, 2), QPointF(k * w / 4, h - 2));
            p.drawLine(QPointF(2, k * h / 4), QPointF(w - 2, k * h / 4));
        }
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(QRectF(1.5, 1.5, w - 3, h - 3));
        QPainterPath curve;
        curve.moveTo(3, h * 0.8);
        curve.cubicTo(w * 0.35, h * 0.05, w * 0.6, h * 0.95, w - 3, h * 0.2);
        p.setPen(QPen(QColor(0, 0, 255), 2));
        p.drawPath(curve);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 0, 0));
        for (double t : {0.0, 0.5, 1.0}) {
            const QPointF at = curve.pointAtPercent(t);
            p.drawEllipse(at, 2.5, 2.5);
        }
    });
}

QIcon ExitSignIcon(QSize size) {
    return QIcon(ExitSignPixmap(size));
}

} // namespace mirendo
