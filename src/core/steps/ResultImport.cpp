#include "core/steps/ResultImport.h"

#include "core/state/CurveExtremes.h"

namespace mirendo {

std::optional<exchange::Failure> ResultProblem(const exchange::LoadedResult& r) {
    if (r.scaleMode < 1 || r.scaleMode > 4)
        return exchange::Failure::Of(exchange::Cause::BadScaleMode, r.scaleMode);
    return std::nullopt;
}

void ApplyLoadedResult(Module1& s, const exchange::LoadedResult& r) {
    s.ScaleMode = r.scaleMode;
    const bool logX = AxesOfScaleMode(r.scaleMode).x == AxisKind::Logarithmic;
    if (!logX || r.xStart > 0)
        s.XStart = r.xStart;
    if (!logX || r.xStop > 0)
        s.XStop = r.xStop;
    s.PointCount = r.pointCount;
    for (int i = 1; i <= s.PointsInUse(); ++i) {
        s.ResultX[i] = r.x[i];
        s.ResultY[i] = r.y[i];
        s.Coef[i] = r.coef[i];
    }
    s.SampleCount = r.sampleCount;
    for (int j = 1; j <= s.SamplesInUse(); ++j) {
        s.CurveX[j] = r.t[j];
        s.CurveY[j] = r.p[j];
    }
    ComputeCurveExtremes(s);
}

} // namespace mirendo
