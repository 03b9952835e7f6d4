#include "core/plot/ComparisonPlot.h"

#include "core/curve/ModeSpace.h"

#include <algorithm>

namespace mirendo {

namespace {

using Call = RecordingCanvas::Call;

// Where an axis's plot space starts: ln of its start on a logarithmic axis, 0 on a linear one.
bool Offset(AxisKind axis, double start, double& offset) {
    offset = 0;
    if (axis != AxisKind::Logarithmic)
        return true;
    const std::optional<double> ln = ToModeSpace(axis, start);
    offset = ln.value_or(0);
    return ln.has_value();
}

} // namespace

void PlotComparison(const DrawnCurve& curve, std::span<const double> values, GraphCanvas& canvas) {
    const AxisKinds axes = AxesOfScaleMode(curve.scaleMode);
    double ox = 0, oy = 0;
    const std::size_t n = std::min(values.size(), std::size_t(curve.sampleCount()));
    if (n == 0 || !Offset(axes.x, curve.xStart, ox) || !Offset(axes.y, curve.yStart, oy))
        return;
    canvas.setLayer(GraphLayer::Comparison);
    canvas.setDashed(true);
    for (std::size_t j = 0; j < n; ++j) {
        const float x = float(curve.sampleX[j] - ox);
        const float y = float(values[j] - oy);
        if (j == 0)
            canvas.dot(x, y, kComparisonGreen);
        else
            canvas.lineTo(x, y, kComparisonGreen);
    }
    canvas.setDashed(false);
}

std::vector<Call> WithComparisonUnderCurve(const std::vector<Call>& calls,
                                           const std::vector<Call>& comparison) {
    std::vector<Call> out;
    out.reserve(calls.size() + comparison.size());
    bool placed = false;
    for (const Call& call : calls) {
        if (call.layer == GraphLayer::Comparison)
            continue; // drawn earlier: replaced
        if (!placed && call.layer == GraphLayer::Curve) {
            out.insert(out.end(), comparison.begin(), comparison.end());
            placed = true;
        }
        out.push_back(call);
    }
    return out;
}

} // namespace mirendo
