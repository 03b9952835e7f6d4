#pragma once
// The axis grid drawn over a calibrated picture, so that a mistyped reference value shows at once:
// lines of constant X and of constant Y as pixel segments across the picture, at round values on
// a linear axis (1, 2 or 5 times a power of ten, about ten lines) and at the decades (with the
// 2..9 multiples as minor lines when a decade is wide enough) on a logarithmic one.
#include "core/chart/Calibration.h"

#include <vector>

namespace mirendo::chart {

struct GridLine {
    ChartAxis axis = ChartAxis::X; // X: a line of constant X
    double value = 0;
    bool major = true;
    PixelPoint from, to; // clipped to the picture
};

// The grid lines within a picture of `width` x `height` pixels (at most a few hundred).
std::vector<GridLine> GridLines(const Calibration& calibration, int width, int height);

} // namespace mirendo::chart
