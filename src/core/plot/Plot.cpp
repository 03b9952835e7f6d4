#include "core/plot/Plot.h"

#include "core/text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

namespace mirendo {

namespace {

// One axis of the plot space. A linear axis is in data units from its start value; a logarithmic
// one in ln(value) - ln(start), so it starts at 0 and is a whole number of decades long.
struct Axis {
    AxisKind kind = AxisKind::Linear;
    double origin = 0; // A0 or B0
    double length = 0; // W or H
    double start = 0, stop = 0, step = 0;
};

Axis makeAxis(AxisKind kind, double start, double stop, double step, const std::string& startText,
              const std::string& stopText, double ln10) {
    Axis axis;
    axis.kind = kind;
    axis.start = start;
    axis.stop = stop;
    axis.step = step;
    if (kind == AxisKind::Linear) {
        axis.origin = start;
        axis.length = stop - start;
    } else {
        axis.origin = 0;
        axis.length = (DecadeExponent(stopText) - DecadeExponent(startText)) * ln10;
    }
    return axis;
}

// Inner grid positions of a linear axis: start + k * step for k = 1, 2, ..., each computed afresh,
// strictly below stop. The number of lines is otherwise unbounded, so when they would be denser
// than the pixels along the axis only every m-th line is drawn (still exact grid positions, spread
// over the whole axis); the picture looks the same and a tiny step cannot stall the window. A step
// that is not positive gives no inner line, as if it were the axis length.
template <class Draw> void LinearGridPositions(const Axis& axis, int pixels, Draw draw) {
    const double length = axis.stop - axis.start;
    if (!(axis.step > 0) || !std::isfinite(axis.step) || !std::isfinite(axis.start) ||
        !std::isfinite(length) || !(length > 0))
        return;
    const double maxLines = std::max(1, pixels);
    const double count = length / axis.step;
    const double stride = count > maxLines ? std::ceil(count / maxLines) : 1.0;
    for (double i = 1; i <= maxLines + 1; ++i) {
        const double x = axis.start + (i * stride) * axis.step;
        if (!(x < axis.stop))
            break;
        draw(x);
    }
}

// Grid positions of a logarithmic axis: ln j + k * Ln10, j = 1..10, decade k = 0, 1, ... The first
// decade is always drawn; the next one only while the last line, ln 10 + k * Ln10, is below the
// axis length. Since the stored Ln10 is slightly above ln 10, this includes one decade starting on
// the far end of the frame. Spans of more decades than pixels are thinned like the linear grid.
template <class Draw> void LogGridPositions(const Axis& axis, double ln10, int pixels, Draw draw) {
    const double maxDecades = std::max(1, pixels);
    const bool bounded = std::isfinite(axis.length) && ln10 > 0 && std::isfinite(ln10);
    const double decades = bounded ? axis.length / ln10 : 0.0;
    const double stride = decades > maxDecades ? std::ceil(decades / maxDecades) : 1.0;
    const double lnTen = std::log(10.0);
    for (double i = 0; i <= maxDecades + 1; ++i) {
        const double k = i * stride;
        for (int j = 1; j <= 10; ++j)
            draw(std::log(double(j)) + k * ln10);
        if (!bounded || !(lnTen + k * ln10 < axis.length))
            break;
    }
}

template <class Draw> void GridPositions(const Axis& axis, double ln10, int pixels, Draw draw) {
    if (axis.kind == AxisKind::Linear)
        LinearGridPositions(axis, pixels, draw);
    else
        LogGridPositions(axis, ln10, pixels, draw);
}

// ln of a logarithmic axis start: the shift between a log-space value and the plot space.
// Not defined for a start that is not positive; callers draw nothing that needs it then.
bool LogOffset(const Axis& axis, double& offset) {
    offset = 0;
    if (axis.kind == AxisKind::Linear)
        return true;
    if (!(axis.start > 0) || !std::isfinite(axis.start))
        return false;
    offset = std::log(axis.start);
    return true;
}

std::string AxisLabel(const Axis& axis, double value, const std::string& text, double plainBound) {
    return axis.kind == AxisKind::Linear ? LimitLabelText(value, plainBound) : text;
}

// What distinguishes the main window's point plot from the browser's saved-data graph.
struct GraphOptions {
    double labelPlainBound = 1000; // linear labels plain within -bound..bound, else "0.0E+00"
    bool drawPoints = true;        // data points with the frame (main window)
    bool drawCurve = false;        // the curve in the same call (browser)
};

void ScaleAndGrid(const Axis& x, const Axis& y, double ln10, GraphCanvas& c) {
    constexpr double span = 1 + kPlotMarginLow + kPlotMarginHigh;
    c.setLayer(GraphLayer::Axes);
    c.setScale(float(x.origin - kPlotMarginLow * x.length),
               float(y.origin + (1 + kPlotMarginHigh) * y.length), float(span * x.length),
               float(-span * y.length));
    c.setLineWidth(1);
    const float y0 = float(y.origin);
    const float y1 = float(y.origin + y.length);
    GridPositions(x, ln10, c.pixelWidth(),
                  [&](double px) { c.line(float(px), y0, float(px), y1, kGridGrey); });
    const float x0 = float(x.origin);
    const float x1 = float(x.origin + x.length);
    GridPositions(y, ln10, c.pixelHeight(),
                  [&](double py) { c.line(x0, float(py), x1, float(py), kGridGrey); });
    c.setLineWidth(2);
    c.frameRect(x0, y0, x1, y1);
}

// Points 1..count as red dots 10 pixels across at at(i) = (x, y) in plot space; width 1 after.
template <class At> void DrawPointDots(GraphCanvas& c, int count, At at) {
    c.setLayer(GraphLayer::Points);
    c.setLineWidth(10);
    for (int i = 1; i <= count; ++i) {
        const auto [px, py] = at(i);
        c.dot(float(px), float(py), kPointRed);
    }
    c.setLineWidth(1);
}

void DrawCurveSamples(const Module1& s, GraphCanvas& c, const Axis& x, const Axis& y) {
    double ox = 0;
    double oy = 0;
    if (!LogOffset(x, ox) || !LogOffset(y, oy))
        return;
    c.setLayer(GraphLayer::Curve);
    c.dot(float(s.CurveX[1] - ox), float(s.CurveY[1] - oy), kCurveBlue);
    const int n = s.SamplesInUse();
    for (int j = 2; j <= n; ++j)
        c.lineTo(float(s.CurveX[j] - ox), float(s.CurveY[j] - oy), kCurveBlue);
}

RangeLabels drawGraph(const Module1& s, GraphCanvas& c, AxisKinds kinds, const LimitTexts& t,
                      const GraphOptions& o) {
    const Axis x = makeAxis(kinds.x, s.XStart, s.XStop, s.XStep, t.xStart, t.xStop, s.Ln10);
    const Axis y = makeAxis(kinds.y, s.YStart, s.YStop, s.YStep, t.yStart, t.yStop, s.Ln10);
    ScaleAndGrid(x, y, s.Ln10, c);

    if (o.drawPoints) {
        double ox = 0;
        double oy = 0;
        const bool placed = LogOffset(x, ox) && LogOffset(y, oy);
        const bool logX = x.kind == AxisKind::Logarithmic;
        const bool logY = y.kind == AxisKind::Logarithmic;
        DrawPointDots(c, placed ? s.PointsInUse() : 0, [&](int i) {
            return std::pair{logX ? s.XPlotData[i] - ox : s.XData[i],
                             logY ? s.YPlotData[i] - oy : s.YData[i]};
        });
    } else {
        c.setLineWidth(1);
    }

    RangeLabels labels;
    labels.xStart = AxisLabel(x, s.XStart, t.xStart, o.labelPlainBound);
    labels.xStop = AxisLabel(x, s.XStop, t.xStop, o.labelPlainBound);
    labels.yStart = AxisLabel(y, s.YStart, t.yStart, o.labelPlainBound);
    labels.yStop = AxisLabel(y, s.YStop, t.yStop, o.labelPlainBound);

    if (o.drawCurve) {
        c.setLineWidth(2);
        DrawCurveSamples(s, c, x, y);
    }
    return labels;
}

RangeLabels PlotPointsWithAxes(const Module1& s, GraphCanvas& c, const LimitTexts& t, AxisKinds kinds) {
    return drawGraph(s, c, kinds, t, GraphOptions{});
}

void PlotCurveWithAxes(const Module1& s, GraphCanvas& c, AxisKinds kinds) {
    // Same axes as the point plot, so the offsets are those the points were shifted by.
    const Axis x = makeAxis(kinds.x, s.XStart, s.XStop, s.XStep, {}, {}, s.Ln10);
    const Axis y = makeAxis(kinds.y, s.YStart, s.YStop, s.YStep, {}, {}, s.Ln10);
    DrawCurveSamples(s, c, x, y);
}

RangeLabels PlotSavedWithAxes(const Module1& s, GraphCanvas& c, AxisKinds kinds) {
    GraphOptions o;
    o.labelPlainBound = 100;
    o.drawPoints = false;
    o.drawCurve = true;
    const LimitTexts saved{s.XStartText, s.XStopText, s.YStartText, s.YStopText};
    return drawGraph(s, c, kinds, saved, o);
}

constexpr AxisKinds kLinLin{AxisKind::Linear, AxisKind::Linear};
constexpr AxisKinds kLinLog{AxisKind::Linear, AxisKind::Logarithmic};
constexpr AxisKinds kLogLin{AxisKind::Logarithmic, AxisKind::Linear};
constexpr AxisKinds kLogLog{AxisKind::Logarithmic, AxisKind::Logarithmic};

} // namespace

double DecadeExponent(const std::string& limitText) {
    const std::string_view text(limitText);
    return LeadingNumber(text.size() > 3 ? text.substr(text.size() - 3) : text);
}

RangeLabels PlotPointsLinLin(const Module1& s, GraphCanvas& c, const LimitTexts& t) {
    return PlotPointsWithAxes(s, c, t, kLinLin);
}
RangeLabels PlotPointsLinLog(const Module1& s, GraphCanvas& c, const LimitTexts& t) {
    return PlotPointsWithAxes(s, c, t, kLinLog);
}
RangeLabels PlotPointsLogLin(const Module1& s, GraphCanvas& c, const LimitTexts& t) {
    return PlotPointsWithAxes(s, c, t, kLogLin);
}
RangeLabels PlotPointsLogLog(const Module1& s, GraphCanvas& c, const LimitTexts& t) {
    return PlotPointsWithAxes(s, c, t, kLogLog);
}
RangeLabels PlotPointsForMode(const Module1& s, GraphCanvas& c, const LimitTexts& t) {
    return PlotPointsWithAxes(s, c, t, AxesOfScaleMode(s.ScaleMode));
}

void PlotCurveLinLin(const Module1& s, GraphCanvas& c) {
    PlotCurveWithAxes(s, c, kLinLin);
}
void PlotCurveLinLog(const Module1& s, GraphCanvas& c) {
    PlotCurveWithAxes(s, c, kLinLog);
}
void PlotCurveLogLin(const Module1& s, GraphCanvas& c) {
    PlotCurveWithAxes(s, c, kLogLin);
}
void PlotCurveLogLog(const Module1& s, GraphCanvas& c) {
    PlotCurveWithAxes(s, c, kLogLog);
}
void PlotCurveForMode(const Module1& s, GraphCanvas& c) {
    PlotCurveWithAxes(s, c, AxesOfScaleMode(s.ScaleMode));
}

RangeLabels PlotSavedLinLin(const Module1& s, GraphCanvas& c) {
    return PlotSavedWithAxes(s, c, kLinLin);
}
RangeLabels PlotSavedLinLog(const Module1& s, GraphCanvas& c) {
    return PlotSavedWithAxes(s, c, kLinLog);
}
RangeLabels PlotSavedLogLin(const Module1& s, GraphCanvas& c) {
    return PlotSavedWithAxes(s, c, kLogLin);
}
RangeLabels PlotSavedLogLog(const Module1& s, GraphCanvas& c) {
    return PlotSavedWithAxes(s, c, kLogLog);
}
RangeLabels PlotSavedForMode(const Module1& s, GraphCanvas& c) {
    return PlotSavedWithAxes(s, c, AxesOfScaleMode(s.ScaleMode));
}

void PlotSavedPoints(const Module1& s, GraphCanvas& c) {
    DrawPointDots(c, s.PointsInUse(), [&s](int i) { return std::pair{s.XPlotData[i], s.YPlotData[i]}; });
}

} // namespace mirendo
