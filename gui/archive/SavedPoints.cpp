#include "archive/SavedPoints.h"

#include "state/NumberText.h"

#include <algorithm>
#include <cmath>

namespace mirendo {

std::string SavedPointText(const SavedPlot& plot) {
    const AxisKinds axes = AxesOfScaleMode(plot.scaleMode);
    const auto value = [](double stored, AxisKind kind) {
        return kind == AxisKind::Logarithmic ? std::exp(stored) : stored;
    };
    std::string text;
    for (int i = 1; i <= std::clamp(plot.pointCount, 0, Module1::kMaxPoints); ++i) {
        text += GeneralText(value(plot.resultX[i], axes.x)) + ',' +
                GeneralText(value(plot.resultY[i], axes.y)) + "\r\n";
    }
    return text;
}

} // namespace mirendo
