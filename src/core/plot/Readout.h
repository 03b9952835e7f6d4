#pragma once
// Cursor readout shared by the main window and the browser: which sample of the drawn curve is
// under the mouse and what the crosshair and the two value labels show.
#include "core/curve/DrawnCurve.h"

#include <string>

namespace mirendo {

struct Readout {
    enum class Action { Nothing, Hide, Show };
    Action action = Action::Nothing; // Nothing without a logarithmic start; Hide outside the curve's range
    float verticalX = 0;             // Line1 at the mouse X (plot space)
    float horizontalY = 0;           // Line2 at the sample's Y (plot space)
    std::string xText, yText;        // Label27/Label28 (main) or Label7/Label8 (browser)
    int sample = 0;                  // index k of the sample shown
};

// `mouseX` is in the plot space the graph was drawn in.
Readout ComputeReadout(const DrawnCurve& curve, float mouseX);

// Keyboard moves of the readout over the curve samples.
enum class ReadoutStep { Previous, Next, PageBack, PageForward, First, Last };
inline constexpr int kReadoutPageSamples = 10;

// The sample a key moves the readout to, from the sample shown (`current`, 0 when none is shown:
// the first key then places it on the first sample, or on the last for Last). Always within
// 1 .. the sample count; 0 when there are no samples.
int SteppedSample(const DrawnCurve& curve, int current, ReadoutStep step);

// Where the mouse reports sample k's abscissa (plot space, single precision): the readout at that
// position shows sample k, as the mouse there would. NaN when the position cannot be computed.
float SampleAbscissa(const DrawnCurve& curve, int k);

// What a key shows: the stepped sample's abscissa read exactly as a mouse there is read. A sample
// that shares its abscissa with the next one shows as that one, as under the mouse; a step back
// passes over such samples, so that every key that can move the readout does.
Readout ReadoutForStep(const DrawnCurve& curve, int current, ReadoutStep step);

} // namespace mirendo
