#include "core/steps/FocusOrder.h"

#include "core/state/Module1.h"

namespace mirendo {

std::string NextFocusAfterEnter(const std::string& box, int scaleMode) {
    const AxisKinds axes = AxesOfScaleMode(scaleMode);
    if (box == "Text5")
        return "Text6";
    if (box == "Text6")
        return axes.x == AxisKind::Logarithmic ? "Text8" : "Text7";
    if (box == "Text7")
        return "Text8";
    if (box == "Text8")
        return "Text9";
    if (box == "Text9")
        return axes.y == AxisKind::Logarithmic ? "Command3" : "Text10";
    if (box == "Text10")
        return "Command3";
    return {};
}

} // namespace mirendo
