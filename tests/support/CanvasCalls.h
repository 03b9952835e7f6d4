#pragma once
// What a recording canvas holds, read back by the tests of anything that plots.
#include "core/plot/RecordingCanvas.h"

#include <vector>

namespace mirendo::testing {

inline std::vector<RecordingCanvas::Call> CallsOf(const RecordingCanvas& canvas, RecordingCanvas::Kind kind) {
    std::vector<RecordingCanvas::Call> out;
    for (const RecordingCanvas::Call& call : canvas.calls())
        if (call.kind == kind)
            out.push_back(call);
    return out;
}

// Grid lines in `colour`: the X of each vertical one (x1 == x2) or the Y of each horizontal one
// (y1 == y2).
inline std::vector<float> GridLinesAt(const RecordingCanvas& canvas, Rgb colour, bool vertical) {
    std::vector<float> out;
    for (const RecordingCanvas::Call& call : CallsOf(canvas, RecordingCanvas::Kind::Line)) {
        const bool along =
            vertical ? call.a == call.c && call.b != call.d : call.b == call.d && call.a != call.c;
        if (call.colour == colour && along)
            out.push_back(vertical ? call.a : call.b);
    }
    return out;
}
inline std::vector<float> VerticalLinesAt(const RecordingCanvas& canvas, Rgb colour) {
    return GridLinesAt(canvas, colour, true);
}
inline std::vector<float> HorizontalLinesAt(const RecordingCanvas& canvas, Rgb colour) {
    return GridLinesAt(canvas, colour, false);
}

// The line width the canvas draws with now: each call carries the width in force.
inline int LineWidthInForce(const RecordingCanvas& canvas) {
    return canvas.calls().empty() ? 1 : canvas.calls().back().width;
}

} // namespace mirendo::testing
