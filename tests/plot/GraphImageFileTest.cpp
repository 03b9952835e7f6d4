// A drawn graph written as SVG: the same drawing as vectors at the same size and place. (The
// bitmaps and the replay of the display list are checked through the windows and the graph area.)
#include "qt/export/GraphImageFile.h"
#include "core/plot/Plot.h"
#include "qt/canvas/GraphModel.h"
#include "support/CanvasCalls.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>

namespace mirendo {
namespace {

constexpr QSize kGraphSize(609, 545);

// The browser's graph of a sine through five points, its points added, drawn on a graph model as
// a graph area draws: on its image and into its display list, with a clear that the list starts
// over at.
GraphPicture DrawnGraph() {
    Module1 s;
    s.ScaleMode = 1;
    s.XStart = 0, s.XStop = 8, s.XStep = 1, s.YStart = -1.5, s.YStop = 1.5, s.YStep = 0.5;
    s.PointCount = 5;
    for (int i = 1; i <= 5; ++i) {
        s.XPlotData[i] = 2.0 * (i - 1);
        s.YPlotData[i] = std::sin(s.XPlotData[i]);
    }
    s.SampleCount = 200;
    for (int j = 1; j <= 200; ++j) {
        s.CurveX[j] = 8.0 * (j - 1) / 199.0;
        s.CurveY[j] = std::sin(s.CurveX[j]);
    }
    GraphModel graph(kGraphSize);
    graph.setColours(Qt::white, Qt::black);
    PlotSavedForMode(s, graph); // gone with the clear below
    graph.clear();
    PlotSavedForMode(s, graph);
    PlotSavedPoints(s, graph);
    return graph.picture();
}

QByteArray Written(const GraphPicture& picture, ImageFormat format, bool withScale = false) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteGraphPicture(picture, format, buffer, withScale))
        << ImageFormatName(format).toStdString();
    return buffer.data();
}

// Bounding box of the pixels near `colour` (antialiased vector rendering blends the edges, so
// the boxes of the two renderings agree to a few pixels).
QRect ExtentNear(const QImage& image, QColor colour) {
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) < 60 && std::abs(c.green() - colour.green()) < 60 &&
                std::abs(c.blue() - colour.blue()) < 60)
                r = r.united(QRect(x, y, 1, 1));
        }
    return r;
}

TEST(GraphImageFile, SvgDrawsTheSameGraphAsVectors) {
    const GraphPicture picture = DrawnGraph();
    const QByteArray svg = Written(picture, ImageFormat::Svg);

    std::map<QString, int> elements;
    QString viewBox;
    QSizeF size;
    const auto pixels = [](QStringView millimetres) {
        return millimetres.endsWith(QLatin1String("mm")) ? millimetres.chopped(2).toDouble() / 25.4 * 96 : -1;
    };
    QXmlStreamReader xml(svg);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            ++elements[xml.name().toString()];
            if (xml.name() == QLatin1String("svg")) {
                viewBox = xml.attributes().value(QLatin1String("viewBox")).toString();
                size = QSizeF(pixels(xml.attributes().value(QLatin1String("width"))),
                              pixels(xml.attributes().value(QLatin1String("height"))));
            }
        }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(viewBox, QStringLiteral("0 0 609 545"));
    EXPECT_NEAR(size.width(), 609, 0.01);
    EXPECT_NEAR(size.height(), 545, 0.01);
    // Each grid line a polyline and the whole curve one; the frame and every dot (the curve's
    // starting dot and the five points) a path. The plots draw no text.
    const RecordingCanvas& calls = picture.drawing;
    using Kind = RecordingCanvas::Kind;
    EXPECT_EQ(elements[QStringLiteral("polyline")], int(testing::CallsOf(calls, Kind::Line).size()) + 1);
    EXPECT_EQ(elements[QStringLiteral("path")],
              int(testing::CallsOf(calls, Kind::Frame).size() + testing::CallsOf(calls, Kind::Dot).size()));
    EXPECT_EQ(elements[QStringLiteral("text")], 0);
    EXPECT_EQ(testing::CallsOf(calls, Kind::Frame).size(),
              1u); // the graph before the clear is not in the list

    // Drawn again at its size, the curve and the points cover the bitmap's places.
    QSvgRenderer renderer(svg);
    EXPECT_EQ(renderer.viewBox(), QRect(QPoint(0, 0), kGraphSize));
    QImage rendered(kGraphSize, QImage::Format_RGB32);
    rendered.fill(Qt::white);
    QPainter painter(&rendered);
    renderer.render(&painter, QRectF(QPointF(0, 0), kGraphSize));
    painter.end();
    const struct {
        const char* what;
        QColor colour;
    } parts[] = {
        {"curve", QColor(0, 0, 255)}, {"points", QColor(255, 0, 0)}, {"grid", QColor(128, 128, 128)}};
    for (const auto& part : parts) {
        SCOPED_TRACE(part.what);
        const QRect a = ExtentNear(rendered, part.colour), b = ExtentNear(picture.image, part.colour);
        EXPECT_LE(std::abs(a.left() - b.left()), 3);
        EXPECT_LE(std::abs(a.top() - b.top()), 3);
        EXPECT_LE(std::abs(a.right() - b.right()), 3);
        EXPECT_LE(std::abs(a.bottom() - b.bottom()), 3);
    }
}

// A picture read without the program: the comparison curve its own dashed polyline, and with the
// limit labels and the trust line around the graph the PNG and SVG grow by a margin that holds
// them (the SVG as text); a BMP stays the graph alone.
TEST(GraphImageFile, ComparisonDashedAndTheScaleAroundTheGraph) {
    // Texts need the fonts of an application.
    int argc = 1;
    char name[] = "plot_export_test";
    char* argv[] = {name, nullptr};
    const std::unique_ptr<QGuiApplication> app(QGuiApplication::instance() ? nullptr
                                                                           : new QGuiApplication(argc, argv));
    GraphModel graph(kGraphSize);
    graph.setColours(Qt::white, Qt::black);
    graph.setScale(0, 10, 10, -10);
    graph.clear();
    graph.setLineWidth(2);
    graph.setDashed(true);
    graph.dot(1, 1, kComparisonGreen);
    for (int i = 2; i <= 9; ++i)
        graph.lineTo(float(i), float(i % 2 ? 1 : 9), kComparisonGreen);
    graph.setDashed(false);
    GraphPicture picture = graph.picture();
    picture.limitTexts = {QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("-1.5E+03"),
                          QStringLiteral("10")};
    picture.trustText = QStringLiteral("単精度誤差 8.5E-07・はみ出し 41%・比較との差 38%");
    picture.trustRed = true;

    const auto svgOf = [&](bool withScale) {
        QStringList texts;
        int dashed = 0;
        QXmlStreamReader xml(Written(picture, ImageFormat::Svg, withScale));
        QString dashes, face;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.attributes().hasAttribute(QLatin1String("font-family")))
                face = xml.attributes().value(QLatin1String("font-family")).toString();
            if (xml.attributes().hasAttribute(QLatin1String("stroke-dasharray")))
                dashes = xml.attributes().value(QLatin1String("stroke-dasharray")).toString();
            if (xml.name() == QLatin1String("polyline") && !dashes.isEmpty() &&
                dashes != QLatin1String("none"))
                ++dashed;
            if (xml.name() == QLatin1String("text")) {
                EXPECT_TRUE(face.contains(QLatin1String(kJapaneseFace))) << face.toStdString();
                texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            }
        }
        return std::make_pair(dashed, texts);
    };
    const auto [dashedAlone, textsAlone] = svgOf(false);
    EXPECT_EQ(dashedAlone, 1);
    EXPECT_TRUE(textsAlone.isEmpty());
    const auto [dashed, texts] = svgOf(true);
    EXPECT_EQ(dashed, 1);
    for (const QString& text : picture.limitTexts)
        EXPECT_TRUE(texts.contains(text)) << text.toStdString();
    // A run of another font (the Japanese ones) is a text element of its own.
    EXPECT_TRUE(texts.join(QString()).remove(u' ').contains(QStringLiteral("はみ出し41%・比較との差38%")))
        << texts.join(u'|').toStdString();

    QImage png;
    ASSERT_TRUE(png.loadFromData(Written(picture, ImageFormat::Png)));
    EXPECT_EQ(png.size(), kGraphSize);
    ASSERT_TRUE(png.loadFromData(Written(picture, ImageFormat::Png, true)));
    EXPECT_GT(png.width(), kGraphSize.width());
    EXPECT_GT(png.height(), kGraphSize.height());
    // "-1.5E+03" (Y start) level with the frame's bottom line, in the margin left of the graph.
    const int graphLeft = png.width() - kGraphSize.width() - 4;
    const QRect yStart = ExtentNear(png.copy(0, 0, graphLeft, png.height()), Qt::black);
    const double frameBottom = 4 + kGraphSize.height() * 1.02 / 1.1;
    EXPECT_NEAR(yStart.bottom(), frameBottom, 8) << "the Y start label's lowest ink";
    EXPECT_TRUE(ExtentNear(png.copy(0, kGraphSize.height(), png.width(), png.height() - kGraphSize.height()),
                           QColor(192, 0, 0))
                    .isValid())
        << "the red trust line under the graph";
    EXPECT_EQ(Written(picture, ImageFormat::Bmp, true), Written(picture, ImageFormat::Bmp));
}

TEST(GraphImageFile, NothingToWriteWithoutAnImage) {
    const GraphPicture empty;
    for (ImageFormat format : kImageFormats) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        EXPECT_FALSE(WriteGraphPicture(empty, format, buffer)) << ImageFormatName(format).toStdString();
        EXPECT_TRUE(buffer.data().isEmpty());
    }
}

} // namespace
} // namespace mirendo
