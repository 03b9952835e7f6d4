// Accuracy of reading a chart: the test draws its own charts with QPainter (linear and log-log
// axes with grid lines, a 2-pixel curve through known points, a 1000-pixel plot area, turned and
// scaled as a scan would be, once through JPEG at quality 75), calibrates from the axes' ticks and
// reads the known points back, placed at their true pixels and placed off the line and snapped.
#include "core/chart/ChartDocument.h"
#include "core/chart/ChartFiles.h"
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
    bool logLog;
    double degrees; // clockwise on the screen
    double scale;
    bool jpeg;
};

// The chart in its own units: the plot area is [0, 1000] x [0, 1000], data Y upwards; a fraction
// of an axis's range is a fraction of 1000 units (in log space on a log axis).
struct Chart {
    bool logLog;
    double xLo() const { return logLog ? 1 : 0; }
    double xHi() const { return logLog ? 1000 : 10; }
    double yLo() const { return logLog ? 0.01 : 0; }
    double yHi() const { return logLog ? 10 : 10; }
    double Fraction(double v, double lo, double hi) const {
        return logLog ? std::log(v / lo) / std::log(hi / lo) : (v - lo) / (hi - lo);
    }
    double Unit(double fraction, double lo, double hi) const {
        return logLog ? lo * std::pow(hi / lo, fraction) : lo + fraction * (hi - lo);
    }
    QPointF At(double x, double y) const {
        return {1000 * Fraction(x, xLo(), xHi()), 1000 * (1 - Fraction(y, yLo(), yHi()))};
    }
    // The curve, smooth and gently bent, inside the plot area.
    double Curve(double x) const {
        return logLog ? 8 / (1 + std::pow(x / 30, 1.5)) : 5 + 3 * std::sin(0.6 * x) + 0.1 * x;
    }
    // Grid values: every unit, or the decades and their 2..9 multiples.
    std::vector<double> Grid(double lo, double hi) const {
        std::vector<double> values;
        for (double decade = lo; logLog && decade < hi * 1.01; decade *= 10)
            for (int m = 1; m <= 9 && decade * m <= hi * 1.01; ++m)
                values.push_back(decade * m);
        for (double v = lo; !logLog && v <= hi; v += 1)
            values.push_back(v);
        return values;
    }
};

class ChartAccuracy : public ::testing::TestWithParam<Case> {};

TEST_P(ChartAccuracy, KnownPointsReadBack) {
    const Case c = GetParam();
    const Chart chart{c.logLog};
    const int size = static_cast<int>(std::ceil(1000 * c.scale * 1.3)) + 40;
    const double turn = c.degrees * std::acos(-1.0) / 180;
    // The scan's frame: chart units about the plot's centre, turned and scaled into the picture.
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
        painter.translate(size / 2.0, size / 2.0);
        painter.rotate(c.degrees);
        painter.scale(c.scale, c.scale);
        painter.translate(-500, -500);
        QPen pen(QColor(190, 190, 190), 1);
        pen.setCosmetic(true);
        painter.setPen(pen);
        for (double x : chart.Grid(chart.xLo(), chart.xHi()))
            painter.drawLine(chart.At(x, chart.yLo()), chart.At(x, chart.yHi()));
        for (double y : chart.Grid(chart.yLo(), chart.yHi()))
            painter.drawLine(chart.At(chart.xLo(), y), chart.At(chart.xHi(), y));
        pen.setColor(Qt::black);
        painter.setPen(pen);
        painter.drawRect(QRectF(0, 0, 1000, 1000));
        QPainterPath path;
        for (int k = 0; k <= 4000; ++k) {
            const double x = chart.Unit(k / 4000.0, chart.xLo(), chart.xHi());
            k == 0 ? path.moveTo(chart.At(x, chart.Curve(x))) : path.lineTo(chart.At(x, chart.Curve(x)));
        }
        pen.setColor(QColor(20, 40, 190));
        pen.setWidthF(2);
        painter.setPen(pen);
        painter.drawPath(path);
    }
    if (c.jpeg) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        ASSERT_TRUE(image.save(&buffer, "JPG", 75));
        ASSERT_TRUE(image.loadFromData(bytes, "JPG"));
        image = image.convertToFormat(QImage::Format_RGB32);
    }
    const ImageView view{image.width(), image.height(),
                         reinterpret_cast<const std::uint32_t*>(image.constBits()), image.bytesPerLine() / 4};

    // References on the axes' ticks (1 and 9, or the second and fourth decade), values typed.
    ChartDocument document;
    const AxisScale scale = c.logLog ? AxisScale::Log : AxisScale::Linear;
    document.setScale(ChartAxis::X, scale);
    document.setScale(ChartAxis::Y, scale);
    const double x1 = c.logLog ? 10 : 1, x2 = c.logLog ? 1000 : 9, y1 = c.logLog ? 0.1 : 1,
                 y2 = c.logLog ? 10 : 9;
    document.placeReference(Reference::X1, picture(chart.At(x1, chart.yLo())));
    document.placeReference(Reference::X2, picture(chart.At(x2, chart.yLo())));
    document.placeReference(Reference::Y1, picture(chart.At(chart.xLo(), y1)));
    document.placeReference(Reference::Y2, picture(chart.At(chart.xLo(), y2)));
    for (auto [r, v] :
         {std::pair{Reference::X1, x1}, {Reference::X2, x2}, {Reference::Y1, y1}, {Reference::Y2, y2}})
        document.setReferenceValue(r, v);
    const Calibration calibration = std::get<Calibration>(document.calibration());

    // Known points along the curve; a point read back is as far off as its data lies from the
    // truth, measured in the picture by the test's own frame.
    double placedSquares = 0, snappedSquares = 0;
    const int count = 10;
    for (int i = 0; i < count; ++i) {
        const double x = chart.Unit(0.06 + 0.88 * i / (count - 1), chart.xLo(), chart.xHi()),
                     y = chart.Curve(x);
        const PixelPoint truth = picture(chart.At(x, y));
        auto error = [&](PixelPoint placed) {
            const DataPoint read = calibration.toData(placed);
            const PixelPoint at = picture(chart.At(read.x, read.y));
            return std::hypot(at.x - truth.x, at.y - truth.y);
        };
        placedSquares += std::pow(error({std::round(truth.x * 10) / 10, std::round(truth.y * 10) / 10}), 2);

        // Off the line across it, by 1 to 3 pixels on either side.
        const double h = 1e-4;
        const PixelPoint ahead = picture(
            chart.At(chart.Unit(0.06 + 0.88 * i / (count - 1) + h, chart.xLo(), chart.xHi()),
                     chart.Curve(chart.Unit(0.06 + 0.88 * i / (count - 1) + h, chart.xLo(), chart.xHi()))));
        const double tx = ahead.x - truth.x, ty = ahead.y - truth.y, length = std::hypot(tx, ty);
        const double off = (i % 2 ? 1 : -1) * (1 + 2.0 * (i % 5) / 4);
        const PixelPoint clicked{truth.x - ty / length * off, truth.y + tx / length * off};
        const std::optional<PixelPoint> snapped = SnapToLine(view, clicked);
        ASSERT_TRUE(snapped.has_value()) << "point " << i;
        snappedSquares += std::pow(error(*snapped), 2);
    }
    EXPECT_LT(std::sqrt(placedSquares / count), 0.5);
    EXPECT_LT(std::sqrt(snappedSquares / count), 0.25);
}

INSTANTIATE_TEST_SUITE_P(Charts, ChartAccuracy,
                         ::testing::Values(Case{"Linear", false, 0, 1, false},
                                           Case{"LinearTurned", false, 3, 0.8, false},
                                           Case{"LinearBackTwice", false, -7, 2, false},
                                           Case{"LogLog", true, 0, 1, false},
                                           Case{"LogLogTurned", true, 3, 1.5, false},
                                           Case{"LogLogBackSmall", true, -7, 0.8, false},
                                           Case{"LogLogBackTwice", true, -7, 2, false},
                                           Case{"LogLogTurnedJpeg", true, 3, 1.2, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The example chart as the examples folder holds it: its side file calibrates it, and the curve
// snapped from beside it reads the impedance it was drawn with.
TEST(ExampleChart, ItsSideFileReadsItsCurve) {
    const QString picture = QStringLiteral(MIRENDO_EXAMPLES_DIR "/") + QLatin1String(kExampleChartName);
    QFile side(QString::fromStdString(SideFilePath(picture.toStdString())));
    ASSERT_TRUE(side.open(QIODevice::ReadOnly));
    const SideFileRead read = ParseChart(side.readAll().toStdString());
    ASSERT_TRUE(read.document.has_value());
    EXPECT_EQ(SerializeChart(*read.document), SerializeChart(ExampleChartDocument()));
    const Calibration calibration = std::get<Calibration>(read.document->calibration());
    const QImage image = QImage(picture).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    const ImageView view{image.width(), image.height(),
                         reinterpret_cast<const std::uint32_t*>(image.constBits()), image.bytesPerLine() / 4};
    for (double hertz : {300.0, 5e3, 4e4, 2e5, 7.1e5, 3e6}) {
        const PixelPoint on = calibration.toPixel({hertz, ExampleChartImpedance(hertz)}).value();
        const std::optional<PixelPoint> snapped = SnapToLine(view, {on.x, on.y - 2.5});
        ASSERT_TRUE(snapped.has_value()) << hertz;
        const DataPoint data = calibration.toData(*snapped);
        // Within 0.15 pixel measured upwards at 160 pixels a decade (0.2 %), where the curve's
        // slope makes a tenth of a pixel across it up to 0.14 pixel upwards.
        EXPECT_NEAR(std::log10(data.y / ExampleChartImpedance(data.x)), 0, 0.15 / 160) << hertz;
    }
}

} // namespace
} // namespace mirendo::chart
