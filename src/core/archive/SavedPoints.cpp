#include "core/archive/SavedPoints.h"

#include "core/text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace mirendo {

namespace {

// The file holds a point's value, or its logarithm, with six significant digits. On a logarithmic
// axis exp() of those digits carries noise (2.99999313400353 for 3); the shortest decimal whose
// logarithm the file would write the same way is the value as it was typed, as far as the file
// can tell.
std::string PointValueText(double stored, AxisKind kind) {
    if (kind != AxisKind::Logarithmic)
        return GeneralText(stored);
    const double value = std::exp(stored);
    const std::string held = FormatExponential(stored, kArchivePointDecimals);
    for (int digits = 1; digits < 15; ++digits) {
        const std::string text = SignificantText(value, digits);
        const double candidate = std::strtod(text.c_str(), nullptr);
        if (candidate > 0 && FormatExponential(std::log(candidate), kArchivePointDecimals) == held)
            return GeneralText(candidate);
    }
    return GeneralText(value);
}

} // namespace

std::string SavedPointText(const SavedPlot& plot) {
    const AxisKinds axes = AxesOfScaleMode(plot.scaleMode);
    std::string text;
    for (int i = 1; i <= std::clamp(plot.pointCount, 0, Module1::kMaxPoints); ++i) {
        text +=
            PointValueText(plot.resultX[i], axes.x) + ',' + PointValueText(plot.resultY[i], axes.y) + "\r\n";
    }
    return text;
}

} // namespace mirendo
