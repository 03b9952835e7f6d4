#include "core/plot/Readout.h"

#include "core/curve/ModeSpace.h"
#include "core/text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mirendo {

namespace {

// ln of a logarithmic axis start; false when the start has no logarithm (a hand-edited file, or
// an X start that came back from the engine as 0), in which case no position can be computed.
bool logOffset(double start, double& offset) {
    if (!(start > 0.0) || !std::isfinite(start))
        return false;
    offset = std::log(start);
    return true;
}

// Offset of the X axis's plot space from the sample abscissae: ln XStart on a logarithmic axis.
bool xOffset(const DrawnCurve& curve, double& offset) {
    offset = 0.0;
    return AxesOfScaleMode(curve.scaleMode).x != AxisKind::Logarithmic || logOffset(curve.xStart, offset);
}

} // namespace

Readout ComputeReadout(const DrawnCurve& curve, float mouseX) {
    Readout r;
    const AxisKinds axes = AxesOfScaleMode(curve.scaleMode);
    const bool logX = axes.x == AxisKind::Logarithmic;
    const bool logY = axes.y == AxisKind::Logarithmic;
    double ox = 0.0;
    double oy = 0.0;
    if (!xOffset(curve, ox) || (logY && !logOffset(curve.yStart, oy)))
        return r;

    const int n = curve.sampleCount();
    // Positions are compared in single precision, the precision the graph area reports the mouse
    // in: a mouse exactly on the first or last sample's position then counts as inside.
    const auto u = [&](int j) { return float(curve.sampleX[std::size_t(j - 1)] - ox); };
    const float lo = float(curve.sampleXMin - ox);
    const float hi = float(curve.sampleXMax - ox);
    if (n == 0 || !std::isfinite(mouseX) || mouseX < lo || mouseX > hi) {
        r.action = Readout::Action::Hide;
        return r;
    }

    int j = 1;
    while (j <= n && mouseX >= u(j))
        ++j;
    // Unsorted samples can leave the mouse left of sample 1 while inside the range: show sample 1.
    const int k = j - 1 >= 1 ? j - 1 : 1;
    const double x = curve.sampleX[std::size_t(k - 1)];
    const double y = curve.sampleY[std::size_t(k - 1)];

    r.action = Readout::Action::Show;
    r.sample = k;
    r.verticalX = mouseX;
    r.horizontalY = float(y - oy);
    r.xText = ReadoutText(FromModeSpace(axes.x, x), logX);
    r.yText = ReadoutText(FromModeSpace(axes.y, y), logY);
    return r;
}

int SteppedSample(const DrawnCurve& curve, int current, ReadoutStep step) {
    const int n = curve.sampleCount();
    if (n == 0)
        return 0;
    if (current < 1 || current > n)
        return step == ReadoutStep::Last ? n : 1;
    switch (step) {
    case ReadoutStep::Previous:
        return std::max(current - 1, 1);
    case ReadoutStep::Next:
        return std::min(current + 1, n);
    case ReadoutStep::PageBack:
        return std::max(current - kReadoutPageSamples, 1);
    case ReadoutStep::PageForward:
        return std::min(current + kReadoutPageSamples, n);
    case ReadoutStep::First:
        return 1;
    case ReadoutStep::Last:
        return n;
    }
    return current;
}

float SampleAbscissa(const DrawnCurve& curve, int k) {
    double ox = 0.0;
    if (k < 1 || k > curve.sampleCount() || !xOffset(curve, ox))
        return std::numeric_limits<float>::quiet_NaN();
    // The same single-precision value the search compares the mouse with.
    return float(curve.sampleX[std::size_t(k - 1)] - ox);
}

Readout ReadoutForStep(const DrawnCurve& curve, int current, ReadoutStep step) {
    int k = SteppedSample(curve, current, step);
    Readout r = ComputeReadout(curve, SampleAbscissa(curve, k));
    const bool back = step == ReadoutStep::Previous || step == ReadoutStep::PageBack;
    while (back && current >= 1 && k > 1 && r.action == Readout::Action::Show && r.sample >= current)
        r = ComputeReadout(curve, SampleAbscissa(curve, --k));
    return r;
}

} // namespace mirendo
