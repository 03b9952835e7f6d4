#include "qt/examples/ExampleChart.h"

#include "qt/canvas/GraphPicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace mirendo {

namespace {

// The plot area: 160 pixels a decade, five decades each way, room for the words around it; the
// decade lines on pixel centres, so they come out sharp.
constexpr double kLeft = 110.5, kTop = 70.5, kDecade = 160;
constexpr int kDecades = 5;
constexpr double kSide = kDecade * kDecades;
constexpr int kWidth = 980, kHeight = 1000;
constexpr double kFirstHertz = 100, kFirstOhm = 0.01;

QPointF At(double hertz, double ohm) {
    return {kLeft + kDecade * std::log10(hertz / kFirstHertz),
            kTop + kSide - kDecade * std::log10(ohm / kFirstOhm)};
}

QFont Face(int pixelSize, bool bold = false) {
    QFont font(QString::fromLatin1(kJapaneseFace));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void DrawCentred(QPainter& p, const QString& text, QPointF centre) {
    const QFontMetricsF fm(p.font());
    p.drawText(QPointF(centre.x() - fm.horizontalAdvance(text) / 2, centre.y() + fm.ascent() / 2 - 1), text);
}

} // namespace

double ExampleChartImpedance(double hertz) {
    // 10 µF with 50 mΩ of series resistance and 5 nH of series inductance.
    const double w = 2 * std::numbers::pi * hertz;
    const double reactance = w * 5e-9 - 1 / (w * 10e-6);
    return std::hypot(0.05, reactance);
}

QImage ExampleChartPicture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Grid: the decades darker than their 2..9 multiples.
    for (int d = 0; d < kDecades; ++d)
        for (int m = 1; m <= 9; ++m) {
            const double offset = kDecade * (d + std::log10(double(m)));
            p.setPen(QPen(m == 1 ? QColor(170, 170, 170) : QColor(220, 220, 220), 1));
            p.drawLine(QPointF(kLeft + offset, kTop), QPointF(kLeft + offset, kTop + kSide));
            p.drawLine(QPointF(kLeft, kTop + kSide - offset), QPointF(kLeft + kSide, kTop + kSide - offset));
        }
    p.setPen(QPen(Qt::black, 1.5));
    p.drawRect(QRectF(kLeft, kTop, kSide, kSide));

    QPainterPath curve;
    for (int k = 0; k <= 2000; ++k) {
        const double hertz = kFirstHertz * std::pow(10.0, kDecades * k / 2000.0);
        const QPointF at = At(hertz, ExampleChartImpedance(hertz));
        k == 0 ? curve.moveTo(at) : curve.lineTo(at);
    }
    p.save();
    p.setClipRect(QRectF(kLeft, kTop, kSide, kSide));
    p.setPen(QPen(QColor(200, 30, 40), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(curve);
    p.restore();

    p.setPen(Qt::black);
    p.setFont(Face(17));
    const char* hertzTexts[] = {"100", "1k", "10k", "100k", "1M", "10M"};
    const char* ohmTexts[] = {"0.01", "0.1", "1", "10", "100", "1000"};
    for (int d = 0; d <= kDecades; ++d) {
        DrawCentred(p, QString::fromLatin1(hertzTexts[d]), QPointF(kLeft + kDecade * d, kTop + kSide + 22));
        const QFontMetricsF fm(p.font());
        const QString ohm = QString::fromLatin1(ohmTexts[d]);
        p.drawText(
            QPointF(kLeft - 10 - fm.horizontalAdvance(ohm), kTop + kSide - kDecade * d + fm.ascent() / 2 - 1),
            ohm);
    }
    p.setFont(Face(19));
    DrawCentred(p, QStringLiteral("周波数 f [Hz]"), QPointF(kLeft + kSide / 2, kTop + kSide + 60));
    p.save();
    p.translate(28, kTop + kSide / 2);
    p.rotate(-90);
    DrawCentred(p, QStringLiteral("インピーダンス |Z| [Ω]"), QPointF(0, 0));
    p.restore();
    p.setFont(Face(22, true));
    DrawCentred(p, QStringLiteral("図 3　インピーダンスの周波数特性（代表値、10 µF）"),
                QPointF(kLeft + kSide / 2, 32));
    return image;
}

chart::ChartDocument ExampleChartDocument() {
    using chart::Reference;
    chart::ChartDocument document;
    document.setScale(chart::ChartAxis::X, chart::AxisScale::Log);
    document.setScale(chart::ChartAxis::Y, chart::AxisScale::Log);
    const double lastHertz = kFirstHertz * std::pow(10.0, kDecades),
                 lastOhm = kFirstOhm * std::pow(10.0, kDecades);
    const auto place = [&](Reference r, double hertz, double ohm, double value) {
        const QPointF at = At(hertz, ohm);
        document.placeReference(r, {at.x(), at.y()});
        document.setReferenceValue(r, value);
    };
    place(Reference::X1, kFirstHertz, kFirstOhm, kFirstHertz);
    place(Reference::X2, lastHertz, kFirstOhm, lastHertz);
    place(Reference::Y1, kFirstHertz, kFirstOhm, kFirstOhm);
    place(Reference::Y2, kFirstHertz, lastOhm, lastOhm);
    document.clearHistory();
    return document;
}

} // namespace mirendo
