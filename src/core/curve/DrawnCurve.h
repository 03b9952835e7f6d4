#pragma once
// The curve a graph shows, as its readout and its trust line need it. A graph's view is handed
// one when the curve is drawn and follows it from then on, whatever the shared state holds later.
#include "core/state/Module1.h"

#include <algorithm>
#include <vector>

namespace mirendo {

struct DrawnCurve {
    int scaleMode = 1;
    // The axis starts the graph was drawn with; ln of a logarithmic one is the origin of its axis
    // in plot space.
    double xStart = 0, yStart = 0;
    // The samples in file order (sample k at index k - 1), in the mode's space: natural logarithms
    // on a logarithmic axis.
    std::vector<double> sampleX, sampleY;
    // The abscissae over which the readout shows a sample.
    double sampleXMin = 0, sampleXMax = 0;
    // The points the curve was computed through, in the mode's space.
    std::vector<double> pointX, pointY;

    int sampleCount() const { return int(std::min(sampleX.size(), sampleY.size())); }
};

// The curve of the shared state as the curve step or the browser's load leaves it: ScaleMode,
// XStart, YStart, CurveX/CurveY(1..SampleCount), CurveXMin, CurveXMax, ResultX/ResultY(1..PointCount).
inline DrawnCurve DrawnCurveOf(const Module1& s) {
    DrawnCurve curve;
    curve.scaleMode = s.ScaleMode;
    curve.xStart = s.XStart;
    curve.yStart = s.YStart;
    const int n = s.SamplesInUse();
    curve.sampleX.assign(s.CurveX.begin() + 1, s.CurveX.begin() + 1 + n);
    curve.sampleY.assign(s.CurveY.begin() + 1, s.CurveY.begin() + 1 + n);
    curve.sampleXMin = s.CurveXMin;
    curve.sampleXMax = s.CurveXMax;
    const int points = s.PointsInUse();
    curve.pointX.assign(s.ResultX.begin() + 1, s.ResultX.begin() + 1 + points);
    curve.pointY.assign(s.ResultY.begin() + 1, s.ResultY.begin() + 1 + points);
    return curve;
}

} // namespace mirendo
