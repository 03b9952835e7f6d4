#pragma once
// Cursor readout shared by the main window and the browser: which curve sample is under the
// mouse and what the crosshair and the two value labels show.
#include "state/Module1.h"

#include <string>

namespace mirendo {

struct Readout {
    enum class Action { Nothing, Hide, Show };
    Action action = Action::Nothing; // Nothing while GraphDrawn is 0; Hide outside the curve's range
    float verticalX = 0;             // Line1 at the mouse X (plot space)
    float horizontalY = 0;           // Line2 at the sample's Y (plot space)
    std::string xText, yText;        // Label27/Label28 (main) or Label7/Label8 (browser)
    int sample = 0;                  // index k of the sample shown
};

// `mouseX` is in the plot space the graph was drawn in.
Readout ComputeReadout(const Module1& s, float mouseX);

} // namespace mirendo
