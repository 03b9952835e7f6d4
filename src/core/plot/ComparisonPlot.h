#pragma once
// The comparison curve on a graph: a dashed green polyline at the drawn curve's sample abscissae,
// kept under the interpolation curve whenever it is drawn or changed.
#include "core/curve/ComparisonCurve.h"
#include "core/curve/DrawnCurve.h"
#include "core/plot/RecordingCanvas.h"

#include <span>
#include <vector>

namespace mirendo {

// Draws `values` (mode space, one per sample of `curve`) at the samples' abscissae in the plot
// space `curve` was drawn in, all in the Comparison layer: dashes on, a dot at the first and lines
// to the others in kComparisonGreen, dashes off. Nothing when a logarithmic axis has no start or
// no value is given.
void PlotComparison(const DrawnCurve& curve, std::span<const double> values, GraphCanvas& canvas);

// The display list `calls` without its Comparison layer, and with `comparison` (calls of
// PlotComparison) put in just before the first call of its Curve layer, so the curve and the
// points drawn after it stay on top. Nothing is added when the list holds no curve.
std::vector<RecordingCanvas::Call>
WithComparisonUnderCurve(const std::vector<RecordingCanvas::Call>& calls,
                         const std::vector<RecordingCanvas::Call>& comparison);

} // namespace mirendo
