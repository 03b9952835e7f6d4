#include "qt/examples/ExampleGraphs.h"
#include "qt/canvas/GraphPicture.h"
#include "qt/canvas/RawPixels.h"

#include "core/curve/LagrangePolynomial.h"
#include "core/plot/Plot.h"
#include "core/text/NumberText.h"
#include "qt/canvas/ImageCanvas.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace mirendo {

namespace {

constexpr int kSamplesPerInterval = 50;

// Room around the plot for the axis numbers.
constexpr int kLeftRoom = 30;
constexpr int kBottomRoom = 20;
constexpr int kTopRoom = 6;
constexpr int kRightRoom = 8;

// The face of the windows, at a pixel size that suits the small pictures.
QFont NumberFont(int pixelSize) {
    QFont font(QString::fromLatin1(kJapaneseFace));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

double Transformed(double value, AxisKind kind) {
    return kind == AxisKind::Logarithmic ? std::log(value) : value;
}

// "10" with the exponent raised, drawn so that its centre is at `centre`.
void DrawPowerOfTen(QPainter& p, int exponent, QPointF centre, bool alignRight) {
    const QFont base = NumberFont(10);
    const QFont small = NumberFont(8);
    const QString mantissa = QStringLiteral("10");
    const QString power = QString::number(exponent);
    const QFontMetricsF bm(base), sm(small);
    const double width = bm.horizontalAdvance(mantissa) + sm.horizontalAdvance(power);
    const double left = alignRight ? centre.x() - width : centre.x() - width / 2;
    const double baseline = centre.y() + bm.ascent() / 2 - 1;
    p.setFont(base);
    p.drawText(QPointF(left, baseline), mantissa);
    p.setFont(small);
    p.drawText(QPointF(left + bm.horizontalAdvance(mantissa), baseline - bm.ascent() * 0.45), power);
}

void DrawPlainNumber(QPainter& p, double value, QPointF centre, bool alignRight) {
    p.setFont(NumberFont(10));
    const QFontMetricsF fm(p.font());
    const QString text = QString::fromStdString(GeneralText(value));
    const double width = fm.horizontalAdvance(text);
    const double left = alignRight ? centre.x() - width : centre.x() - width / 2;
    p.drawText(QPointF(left, centre.y() + fm.ascent() / 2 - 1), text);
}

// Numbers along one axis: every step on a linear axis, every decade on a logarithmic one.
// `toPixel` maps a plot-space coordinate of this axis to the pixel where its number goes.
template <typename ToPixel>
void NumberAxis(QPainter& p, AxisKind kind, const std::string& startText, const std::string& stopText,
                double start, double stop, double step, bool alignRight, ToPixel toPixel) {
    if (kind == AxisKind::Logarithmic) {
        const int first = static_cast<int>(DecadeExponent(startText));
        const int last = static_cast<int>(DecadeExponent(stopText));
        for (int e = first; e <= last; ++e)
            DrawPowerOfTen(p, e, toPixel((e - first) * Module1::kLn10), alignRight);
        return;
    }
    for (int k = 0;; ++k) {
        const double value = start + k * step;
        if (value > stop + step * 1e-9)
            break;
        DrawPlainNumber(p, value, toPixel(value), alignRight);
    }
}

} // namespace

ExampleGraph ExampleOfScaleMode(int scaleMode) {
    switch (scaleMode) {
    case 2:
        return {2,         {{1, 2}, {2, 6}, {3, 14}, {4, 40}, {5, 75}, {6, 220}, {7, 480}, {8, 900}},
                "0",       "9",
                "1",       "1.0E+00",
                "1.0E+03", "10"};
    case 3:
        return {3,
                {{0.2, 1.2}, {0.5, 2.6}, {1.2, 3.1}, {3, 4.6}, {8, 5.1}, {20, 6.7}, {50, 7.3}, {90, 8.4}},
                "1.0E-01",
                "1.0E+02",
                "10",
                "0",
                "10",
                "2"};
    case 4:
        return {4,         {{0.2, 0.5}, {0.6, 2.2}, {1.5, 5}, {4, 30}, {10, 90}, {30, 600}, {70, 2000}},
                "1.0E-01", "1.0E+02",
                "10",      "1.0E-01",
                "1.0E+04", "10"};
    default:
        return {
            1,   {{0, 1.0}, {1, 3.2}, {2, 4.1}, {3, 3.0}, {4, 1.6}, {5, 1.3}, {6, 2.7}, {7, 4.3}, {8, 4.6}},
            "0", "8",
            "2", "0",
            "5", "1"};
    }
}

Module1 ExampleState(const ExampleGraph& example) {
    Module1 s;
    s.Ln10 = Module1::kLn10;
    s.ScaleMode = example.scaleMode;
    const std::array<std::string, 6> typed = {example.xStart, example.xStop, example.xStep,
                                              example.yStart, example.yStop, example.yStep};
    s.StoreSettingTexts(typed);
    s.StoreSettingValues({LeadingNumber(typed[0]), LeadingNumber(typed[1]), LeadingNumber(typed[2]),
                          LeadingNumber(typed[3]), LeadingNumber(typed[4]), LeadingNumber(typed[5])});

    const AxisKinds axes = AxesOfScaleMode(example.scaleMode);
    std::vector<double> ts, vs;
    for (const ExamplePoint& point : example.points) {
        ts.push_back(Transformed(point.x, axes.x));
        vs.push_back(Transformed(point.y, axes.y));
    }
    const int n = std::min<int>(static_cast<int>(ts.size()), Module1::kMaxPoints);
    s.PointCount = n;
    for (int i = 1; i <= n; ++i) {
        s.XData[i] = example.points[i - 1].x;
        s.YData[i] = example.points[i - 1].y;
        s.ResultX[i] = ts[i - 1];
        s.ResultY[i] = vs[i - 1];
    }
    int m = 0;
    LagrangePolynomial polynomial;
    const bool formed =
        n >= 2 && polynomial.init(std::span(ts).first(std::size_t(n)), std::span(vs).first(std::size_t(n)));
    for (int r = 0; formed && r + 1 < n; ++r) {
        for (int w = 0; w < kSamplesPerInterval; ++w) {
            const double t = ts[r] + w * (ts[r + 1] - ts[r]) / kSamplesPerInterval;
            ++m;
            s.CurveX[m] = t;
            s.CurveY[m] = polynomial(t);
        }
    }
    if (n > 0) { // the curve of an example ends on its last point
        ++m;
        s.CurveX[m] = ts[n - 1];
        s.CurveY[m] = vs[n - 1];
    }
    s.SampleCount = m;
    const double lnXStart = axes.x == AxisKind::Logarithmic ? std::log(s.XStart) : 0;
    const double lnYStart = axes.y == AxisKind::Logarithmic ? std::log(s.YStart) : 0;
    for (int i = 1; i <= n; ++i) {
        s.XPlotData[i] = s.ResultX[i] - lnXStart;
        s.YPlotData[i] = s.ResultY[i] - lnYStart;
    }
    return s;
}

namespace {

// Draws on `target` at `factor` times the pixels: line widths grow with the surface, and the
// grid is bounded by the logical size, so the picture is the 1x one, only sharper.
class ScaledCanvas : public GraphCanvas {
  public:
    ScaledCanvas(GraphCanvas& target, int factor) : m_target(target), m_factor(factor) {}
    void setScale(float left, float top, float width, float height) override {
        m_target.setScale(left, top, width, height);
    }
    void clear() override { m_target.clear(); }
    void setLineWidth(int pixels) override { m_target.setLineWidth(pixels * m_factor); }
    void line(float x1, float y1, float x2, float y2, Rgb colour) override {
        m_target.line(x1, y1, x2, y2, colour);
    }
    void lineTo(float x, float y, Rgb colour) override { m_target.lineTo(x, y, colour); }
    void frameRect(float x1, float y1, float x2, float y2) override { m_target.frameRect(x1, y1, x2, y2); }
    void dot(float x, float y, Rgb colour) override { m_target.dot(x, y, colour); }
    void setDashed(bool dashed) override { m_target.setDashed(dashed); }
    int pixelWidth() const override { return m_target.pixelWidth() / m_factor; }
    int pixelHeight() const override { return m_target.pixelHeight() / m_factor; }

  private:
    GraphCanvas& m_target;
    int m_factor;
};

} // namespace

QImage ExampleGraphPicture(int scaleMode, QSize size, int pixelRatio) {
    const ExampleGraph example = ExampleOfScaleMode(scaleMode);
    const Module1 s = ExampleState(example);
    const AxisKinds axes = AxesOfScaleMode(scaleMode);
    const int k = std::max(1, pixelRatio);

    const QSize plotSize(size.width() - kLeftRoom - kRightRoom, size.height() - kTopRoom - kBottomRoom);
    ImageCanvas plot(plotSize * k);
    ScaledCanvas canvas(plot, k);
    canvas.clear();
    PlotSavedForMode(s, canvas);
    // Points as small red circles: a red dot with a white middle.
    for (int i = 1; i <= s.PointsInUse(); ++i) {
        canvas.setLineWidth(7);
        canvas.dot(static_cast<float>(s.XPlotData[i]), static_cast<float>(s.YPlotData[i]), kPointRed);
        canvas.setLineWidth(3);
        canvas.dot(static_cast<float>(s.XPlotData[i]), static_cast<float>(s.YPlotData[i]),
                   Rgb{255, 255, 255});
    }
    canvas.setLineWidth(1);

    plot.finish();
    QImage picture(size * k, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QPointF origin(kLeftRoom, kTopRoom);
    p.drawImage(origin * k, plot.image());
    p.scale(k, k); // the axis numbers in logical pixels
    p.setPen(Qt::black);
    const double xAxisOrigin = axes.x == AxisKind::Logarithmic ? 0 : s.XStart;
    const double yAxisOrigin = axes.y == AxisKind::Logarithmic ? 0 : s.YStart;
    const double numbersY = kTopRoom + plotSize.height() + kBottomRoom / 2.0;
    NumberAxis(p, axes.x, s.XStartText, s.XStopText, s.XStart, s.XStop, s.XStep, false, [&](double x) {
        return QPointF(origin.x() +
                           plot.toPixel(static_cast<float>(x), static_cast<float>(yAxisOrigin)).x() / k,
                       numbersY);
    });
    NumberAxis(p, axes.y, s.YStartText, s.YStopText, s.YStart, s.YStop, s.YStep, true, [&](double y) {
        return QPointF(kLeftRoom - 2.0,
                       origin.y() +
                           plot.toPixel(static_cast<float>(xAxisOrigin), static_cast<float>(y)).y() / k);
    });
    p.end();
    picture.setDevicePixelRatio(k);
    return picture;
}

QString ExampleGraphResourceName(int scaleMode, int pixelRatio) {
    return pixelRatio > 1 ? QStringLiteral("example-%1@%2x.png").arg(scaleMode).arg(pixelRatio)
                          : QStringLiteral("example-%1.rgb32").arg(scaleMode);
}

QPixmap CompiledInExampleGraphPicture(int scaleMode, QSize size, int pixelRatio) {
    const QString path = QStringLiteral(":/examples/") + ExampleGraphResourceName(scaleMode, pixelRatio);
    if (pixelRatio > 1) {
        QPixmap picture;
        if (!picture.load(path, "PNG") || picture.size() != size * pixelRatio)
            return {};
        picture.setDevicePixelRatio(pixelRatio);
        return picture;
    }
    return CompiledInRawPixels(path, size);
}

QPixmap LoadExampleGraphPicture(int scaleMode, QSize size) {
    // Sharp on a scaled screen (decoded there only), raw and instant at 1x.
    const int pixelRatio = qApp && qApp->devicePixelRatio() > 1.25 ? 2 : 1;
    QPixmap picture = CompiledInExampleGraphPicture(scaleMode, size, pixelRatio);
    return picture.isNull() ? QPixmap::fromImage(ExampleGraphPicture(scaleMode, size, pixelRatio)) : picture;
}

} // namespace mirendo
