#include "qt/export/GraphImageFile.h"

#include "core/plot/Plot.h"
#include "qt/canvas/PainterCanvas.h"

#include <QFontMetrics>
#include <QIODevice>
#include <QPainter>
#include <QStringList>
#include <QSvgGenerator>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace mirendo {

QString ImageFormatName(ImageFormat format) {
    switch (format) {
    case ImageFormat::Bmp:
        return QStringLiteral("BMP");
    case ImageFormat::Png:
        return QStringLiteral("PNG");
    case ImageFormat::Svg:
        return QStringLiteral("SVG");
    }
    return QString();
}

QString ImageSuffix(ImageFormat format) {
    return QLatin1Char('.') + ImageFormatName(format).toLower();
}

namespace {

// Dark enough to read on white, as the windows' red trust line.
const QColor kTrustRed(192, 0, 0);
constexpr int kTextPixels = 12;
constexpr int kGap = 4;

// The trust line broken into rows of at most `width` pixels: each row is drawn as one text, so
// that an SVG holds whole rows rather than words.
QStringList TrustRows(const QString& text, const QFont& font, int width) {
    QStringList rows;
    if (text.isEmpty())
        return rows;
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        rows << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return rows;
}

// Where the graph and the texts around it go in a picture with a margin.
struct ScaleLayout {
    QFont font;
    QSize size;  // the whole picture
    QRect graph; // the graph image within it
    QRect trust; // the trust line's box (word-wrapped to the graph's width)
};

ScaleLayout LayOut(const GraphPicture& picture) {
    ScaleLayout layout;
    // Named, not left to the system's default: a default face draws 誤差 and 比較 with Chinese glyphs.
    layout.font = QFont(QString::fromLatin1(kJapaneseFace));
    layout.font.setStyleHint(QFont::SansSerif);
    layout.font.setPixelSize(kTextPixels);
    const QFontMetrics metrics(layout.font);
    const QSize graph = picture.image.size();
    const int left = std::max(metrics.horizontalAdvance(picture.limitTexts[2]),
                              metrics.horizontalAdvance(picture.limitTexts[3])) +
                     2 * kGap;
    const int labelRow = metrics.height() + kGap;
    const int trustRows = int(TrustRows(picture.trustText, layout.font, graph.width()).size());
    const QRect trust(0, 0, graph.width(), trustRows * metrics.height());
    layout.graph = QRect(QPoint(left, kGap), graph);
    const int trustTop = layout.graph.bottom() + 1 + labelRow + kGap;
    layout.trust = QRect(left, trustTop, graph.width(), trust.height());
    layout.size = QSize(left + graph.width() + kGap, trustTop + trust.height() + kGap);
    return layout;
}

// The limit texts and the trust line around the graph, in picture coordinates.
void PaintScaleTexts(QPainter& painter, const GraphPicture& picture, const ScaleLayout& layout) {
    painter.setFont(layout.font);
    painter.setPen(picture.foreground);
    const QFontMetrics metrics(layout.font);
    const QRect& g = layout.graph;
    const int h = metrics.height();
    const int labelsTop = g.bottom() + 1 + kGap;
    const int yWidth = g.left() - kGap;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    painter.drawText(QRect(g.left(), labelsTop, g.width(), h), Qt::AlignLeft | Qt::AlignTop,
                     picture.limitTexts[0]);
    painter.drawText(QRect(g.left(), labelsTop, g.width(), h), right, picture.limitTexts[1]);
    // The Y limits stand level with the frame's bottom and top lines, as in the windows.
    constexpr double span = 1 + kPlotMarginLow + kPlotMarginHigh;
    const int frameTop = g.top() + int(std::lround(g.height() * kPlotMarginHigh / span));
    const int frameBottom = g.top() + int(std::lround(g.height() * (1 + kPlotMarginHigh) / span));
    const Qt::Alignment rightMiddle = Qt::AlignRight | Qt::AlignVCenter;
    painter.drawText(QRect(0, frameBottom - h / 2, yWidth, h), rightMiddle, picture.limitTexts[2]);
    painter.drawText(QRect(0, std::max(0, frameTop - h / 2), yWidth, h), rightMiddle, picture.limitTexts[3]);
    painter.setPen(picture.trustRed ? kTrustRed : picture.foreground);
    int top = layout.trust.top();
    for (const QString& row : TrustRows(picture.trustText, layout.font, layout.trust.width())) {
        painter.drawText(QRect(layout.trust.left(), top, layout.trust.width(), h),
                         Qt::AlignLeft | Qt::AlignTop, row);
        top += h;
    }
}

} // namespace

bool WriteGraphPicture(const GraphPicture& picture, ImageFormat format, QIODevice& out, bool withScale) {
    if (picture.image.isNull())
        return false;
    withScale = withScale && format != ImageFormat::Bmp;
    const ScaleLayout layout = withScale ? LayOut(picture)
                                         : ScaleLayout{QFont(), picture.image.size(),
                                                       QRect(QPoint(0, 0), picture.image.size()), QRect()};
    if (format != ImageFormat::Svg) {
        if (!withScale)
            return picture.image.save(&out, format == ImageFormat::Bmp ? "BMP" : "PNG");
        QImage framed(layout.size, QImage::Format_RGB32);
        framed.fill(picture.background);
        QPainter painter(&framed);
        painter.drawImage(layout.graph.topLeft(), picture.image);
        PaintScaleTexts(painter, picture, layout);
        painter.end();
        return framed.save(&out, "PNG");
    }

    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(layout.size);
    svg.setViewBox(QRect(QPoint(0, 0), layout.size));
    // The size is written in millimetres; at the CSS 96 per inch it is the bitmap's pixel size.
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Mirendo"));
    PainterCanvas canvas(svg);
    canvas.setColours(picture.background, picture.foreground);
    canvas.setVectorOutput(true);
    if (withScale)
        canvas.setArea(layout.graph);
    // The background first, also for a list that does not begin with a clear.
    canvas.clear();
    picture.drawing.replayOnto(canvas);
    if (withScale) {
        // The margin is filled after the graph, so that whatever a swinging curve drew beyond
        // the graph's edge is covered where a viewer ignores the clip.
        QPainter& painter = canvas.devicePainter();
        const QRect& g = layout.graph;
        const int w = layout.size.width();
        const int h = layout.size.height();
        painter.setPen(Qt::NoPen);
        for (const QRect& strip : {QRect(0, 0, w, g.top()), QRect(0, g.bottom() + 1, w, h - g.bottom() - 1),
                                   QRect(0, g.top(), g.left(), g.height()),
                                   QRect(g.right() + 1, g.top(), w - g.right() - 1, g.height())})
            painter.fillRect(strip, picture.background);
        PaintScaleTexts(painter, picture, layout);
    }
    canvas.finish();
    return true;
}

} // namespace mirendo
