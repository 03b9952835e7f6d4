#pragma once
#include "core/state/Module1.h"

namespace mirendo {

// CurveXMin..CurveYMax over samples 1..SampleCount, starting from sample 1 as it stands (also
// when there are no samples, so the extremes never keep a previous curve's values).
inline void ComputeCurveExtremes(Module1& s) {
    s.CurveXMin = s.CurveXMax = s.CurveX[1];
    s.CurveYMin = s.CurveYMax = s.CurveY[1];
    for (int j = 2; j <= s.SamplesInUse(); ++j) {
        s.CurveXMin = std::min(s.CurveXMin, s.CurveX[j]);
        s.CurveXMax = std::max(s.CurveXMax, s.CurveX[j]);
        s.CurveYMin = std::min(s.CurveYMin, s.CurveY[j]);
        s.CurveYMax = std::max(s.CurveYMax, s.CurveY[j]);
    }
}

} // namespace mirendo
