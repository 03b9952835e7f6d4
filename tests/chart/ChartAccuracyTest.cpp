// Accuracy of reading a chart: the test draws its own charts with QPainter (linear and log-log
// axes with grid lines, a 2-pixel curve through known points, a 1000-pixel plot area, turned and
// scaled as a scan would be, once through JPEG at quality 75), calibrates from the axes' ticks and
// reads the known points back, placed at their true pixels and placed off the line and snapped.
#include "core/chart/ChartFiles.h"
#include "core/chart/ChartGrid.h"
#include "core/chart/ChartRows.h"
#include "core/chart/SnapToLine.h"
#include "qt/examples/ExampleChart.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <gtest/gtest.h>

#include <cmath>

namespace mirendo::chart {
namespace {

struct Case {
    const char* name;
    bool logLog, jpeg;
    double degrees, scale; // degrees clockwise on the screen
};

ImageView View(const QImage& image) {
    return {image.width(), image.height(), reinterpret_cast<const std::uint32_t*>(image.constBits()),
            image.bytesPerLine() / 4};
}

class ChartAccuracy : public ::testing::TestWithParam<Case> {};

TEST_P(ChartAccuracy, KnownPointsReadBack) {
    const Case c = GetParam();
    // The plot area is [0, 1000]^2 of the chart's own units, Y upwards, for X 0..10 and Y 0..10, or
    // X 1..1000 and Y 0.01..10 (Y a hundredth of the X scale).
    const double yScale = c.logLog ? 0.01 : 1;
    auto frac = [&](double v) { return c.logLog ? std::log10(v) / 3 : v / 10; };
    auto unit = [&](double f) { return c.logLog ? std::pow(10.0, 3 * f) : 10 * f; };
    auto at = [&](double x, double y) { return QPointF(1000 * frac(x), 1000 - 1000 * frac(y / yScale)); };
    auto curve = [&](double x) {
        return c.logLog ? 8 / (1 + std::pow(x / 30, 1.5)) : 5 + 3 * std::sin(x / 2);
    };
    // The scan's frame: chart units about the plot's centre, turned and scaled into the picture.
    const int size = static_cast<int>(std::ceil(1300 * c.scale)) + 40;
    const double turn = c.degrees * std::acos(-1.0) / 180;
    auto picture = [&](QPointF u) {
        const double dx = (u.x() - 500) * c.scale, dy = (u.y() - 500) * c.scale;
        return PixelPoint{size / 2.0 + dx * std::cos(turn) - dy * std::sin(turn),
                          size / 2.0 + dx * std::sin(turn) + dy * std::cos(turn)};
    };

    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(QTransform()
                                 .translate(size / 2.0, size / 2.0)
                                 .rotate(c.degrees)
                                 .scale(c.scale, c.scale)
                                 .translate(-500, -500));
        auto stroke = [&](QColor colour, double width) {
            QPen pen(colour, width);
            pen.setCosmetic(true);
            painter.setPen(pen);
        };
        stroke(QColor(190, 190, 190), 1);
        // Grid lines every unit, or at the decades and their 2..9 multiples.
        for (int k = 0; k <= (c.logLog ? 27 : 10); ++k) {
            const double g = 1000 * (c.logLog ? (k / 9 + std::log10(1 + k % 9)) / 3 : k / 10.0);
            painter.drawLine(QPointF(g, 0), QPointF(g, 1000));
            painter.drawLine(QPointF(0, 1000 - g), QPointF(1000, 1000 - g));
        }
        stroke(Qt::black, 1);
        painter.drawRect(QRectF(0, 0, 1000, 1000));
        QPainterPath path(at(unit(0), curve(unit(0))));
        for (int k = 1; k <= 4000; ++k)
            path.lineTo(at(unit(k / 4000.0), curve(unit(k / 4000.0))));
        stroke(QColor(20, 40, 190), 2);
        painter.drawPath(path);
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    if (c.jpeg) {
        ASSERT_TRUE(image.save(&buffer, "JPG", 75) && image.loadFromData(jpeg, "JPG"));
        image = image.convertToFormat(QImage::Format_RGB32);
    }

    // References on the axes' ticks (1 and 9, or the second and fourth decade), values typed.
    ChartDocument document;
    document.setScale(ChartAxis::X, c.logLog ? AxisScale::Log : AxisScale::Linear);
    document.setScale(ChartAxis::Y, c.logLog ? AxisScale::Log : AxisScale::Linear);
    const double a = unit(c.logLog ? 1 / 3.0 : 0.1), b = unit(c.logLog ? 1 : 0.9), o = unit(0);
    const std::pair<PixelPoint, double> references[] = {{picture(at(a, o * yScale)), a},
                                                        {picture(at(b, o * yScale)), b},
                                                        {picture(at(o, a * yScale)), a * yScale},
                                                        {picture(at(o, b * yScale)), b * yScale}};
    for (Reference r : kReferences)
        document.placeReference(r, references[int(r)].first),
            document.setReferenceValue(r, references[int(r)].second);
    const Calibration calibration = std::get<Calibration>(document.calibration());

    // Known points along the curve, each read back as far off as its data lies from the truth,
    // measured in the picture by the test's own frame; the clicks go 1 to 3 pixels across the line.
    double placedSquares = 0, snappedSquares = 0;
    const int count = 10;
    for (int i = 0; i < count; ++i) {
        const double f = 0.06 + 0.88 * i / (count - 1);
        const PixelPoint truth = picture(at(unit(f), curve(unit(f))));
        const PixelPoint ahead = picture(at(unit(f + 1e-4), curve(unit(f + 1e-4))));
        auto error = [&](PixelPoint placed) {
            const PixelPoint p = picture(at(calibration.toData(placed).x, calibration.toData(placed).y));
            return std::hypot(p.x - truth.x, p.y - truth.y);
        };
        placedSquares += std::pow(error({std::round(truth.x * 10) / 10, std::round(truth.y * 10) / 10}), 2);
        const double tx = ahead.x - truth.x, ty = ahead.y - truth.y,
                     off = (i % 2 ? 1 : -1) * (1 + (i % 5) / 2.0);
        const std::optional<PixelPoint> snapped = SnapToLine(
            View(image), {truth.x - ty / std::hypot(tx, ty) * off, truth.y + tx / std::hypot(tx, ty) * off});
        ASSERT_TRUE(snapped.has_value()) << "point " << i;
        snappedSquares += std::pow(error(*snapped), 2);
    }
    EXPECT_LT(std::sqrt(placedSquares / count), 0.5);
    EXPECT_LT(std::sqrt(snappedSquares / count), 0.25);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Charts, ChartAccuracy,
    ::testing::Values(Case{"Linear", false, false, 0, 1},         Case{"LinearTurned", false, false, 3, 0.8},
                      Case{"LinearBackTwice", false, false, -7, 2}, Case{"LogLog", true, false, 0, 1},
                      Case{"LogLogTurned", true, false, 3, 1.5},    Case{"LogLogBackSmall", true, false, -7, 0.8},
                      Case{"LogLogBackTwice", true, false, -7, 2},  Case{"LogLogTurnedJpeg", true, true, 3, 1.2}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The example chart as the examples folder holds it: its side file is the drawing's and calibrates
// it, the grid falls on the drawn one (decades 160 pixels apart from 100 Hz and 0.01 Ω at
// (110.5, 870.5)), and the list says what half a pixel means there (0.72 %).
TEST(ExampleChart, ItsSideFileReadsItsCurve) {
    const QString picture = QStringLiteral(MIRENDO_EXAMPLES_DIR "/") + QLatin1String(kExampleChartName);
    QFile side(QString::fromStdString(SideFilePath(picture.toStdString())));
    ASSERT_TRUE(side.open(QIODevice::ReadOnly));
    const SideFileRead read = ParseChart(side.readAll().toStdString());
    ASSERT_TRUE(read.document.has_value());
    ChartDocument document = *read.document;
    EXPECT_EQ(SerializeChart(document), SerializeChart(ExampleChartDocument()));
    const Calibration calibration = std::get<Calibration>(read.document->calibration());
    for (const GridLine& g : GridLines(calibration, 980, 1000))
        EXPECT_NEAR(g.axis == ChartAxis::X ? g.from.x - 160 * std::log10(g.value / 100)
                                           : g.from.y + 160 * std::log10(g.value / 0.01),
                    g.axis == ChartAxis::X ? 110.5 : 870.5, 1e-9);
    document.placePoint(calibration.toPixel({1e4, 1}).value());
    const ChartPointRow row = PointRows(document).at(0);
    EXPECT_EQ(row.x + " " + row.y + " " + row.xSpread + " " + row.ySpread, "1.000E+04 1.000E+00 ±0.7% ±0.7%");
    // The curve snapped from beside it reads the impedance drawn, within 0.15 pixel upwards.
    const PixelPoint on = calibration.toPixel({4e4, ExampleChartImpedance(4e4)}).value();
    const QImage image = QImage(picture).convertToFormat(QImage::Format_RGB32);
    const DataPoint data = calibration.toData(SnapToLine(View(image), {on.x, on.y - 2.5}).value());
    EXPECT_NEAR(std::log10(data.y / ExampleChartImpedance(data.x)), 0, 0.15 / 160);
}

} // namespace
} // namespace mirendo::chart
