#include "archive/EvaluateAtX.h"

#include "state/NumberText.h"

#include <cmath>

namespace mirendo {

Evaluation EvaluateAtX(const Module1& s, std::string_view inputText) {
    Evaluation out;
    const AxisKinds axes = AxesOfScaleMode(s.ScaleMode);
    double x = LeadingNumber(inputText);
    if (axes.x == AxisKind::Logarithmic) {
        if (!(x > 0))
            return out;
        x = std::log(x);
    }
    if (!std::isfinite(x))
        return out;

    const int n = s.PointsInUse();
    double y = 0;
    for (int i = 1; i <= n; ++i) {
        double p = 1;
        for (int k = 1; k <= n; ++k)
            if (k != i)
                p *= x - s.ResultX[k];
        y += s.Coef[i] * p;
        // Once a partial product or sum is infinite the result is meaningless, whatever follows.
        if (!std::isfinite(p) || !std::isfinite(y))
            return out;
    }
    if (axes.y == AxisKind::Logarithmic)
        y = std::exp(y);
    if (!std::isfinite(y))
        return out;

    out.ok = true;
    out.y = y;
    out.text = ReadoutText(y, false);
    return out;
}

} // namespace mirendo
