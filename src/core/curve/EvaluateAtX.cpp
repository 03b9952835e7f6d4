#include "core/curve/EvaluateAtX.h"

#include "core/text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace mirendo {

bool IsOutsidePoints(const Module1& s, double x) {
    const int n = s.PointsInUse();
    if (n == 0)
        return false;
    double lo = s.ResultX[1];
    double hi = s.ResultX[1];
    for (int i = 2; i <= n; ++i) {
        lo = std::min(lo, s.ResultX[i]);
        hi = std::max(hi, s.ResultX[i]);
    }
    constexpr double kSavedRounding = 5e-6; // half a unit in the 6th significant digit, relative
    return x < lo - kSavedRounding * std::fabs(lo) || x > hi + kSavedRounding * std::fabs(hi);
}

double SavedPolynomial(const Module1& s, double t) {
    const int n = s.PointsInUse();
    double y = 0;
    for (int i = 1; i <= n; ++i) {
        double p = 1;
        for (int k = 1; k <= n; ++k)
            if (k != i)
                p *= t - s.ResultX[k];
        y += s.Coef[i] * p;
        // Once a partial product or sum is infinite the result is meaningless, whatever follows.
        if (!std::isfinite(p) || !std::isfinite(y))
            return std::numeric_limits<double>::quiet_NaN();
    }
    return y;
}

Evaluation EvaluateAtX(const Module1& s, std::string_view inputText) {
    const std::optional<double> x = TypedNumber(inputText);
    if (!x) {
        Evaluation refused;
        refused.notANumber = true;
        return refused;
    }
    return EvaluateAt(s, *x);
}

Evaluation EvaluateAt(const Module1& s, double x) {
    Evaluation out;
    const AxisKinds axes = AxesOfScaleMode(s.ScaleMode);
    if (axes.x == AxisKind::Logarithmic) {
        if (!(x > 0))
            return out;
        x = std::log(x);
    }
    if (!std::isfinite(x))
        return out;

    double y = SavedPolynomial(s, x);
    if (!std::isfinite(y))
        return out;
    if (axes.y == AxisKind::Logarithmic)
        y = std::exp(y);
    if (!std::isfinite(y))
        return out;

    out.ok = true;
    out.y = y;
    out.text = ReadoutText(y, false);
    out.extrapolated = IsOutsidePoints(s, x);
    return out;
}

} // namespace mirendo
