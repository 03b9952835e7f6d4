#pragma once
// "線の中心に合わせる": moves a point to the middle of the drawn line under it. The line's colour is
// taken from the darkest, most saturated pixels near the point (charts are lines on a light
// background); across the line, within a few pixels, the point goes to the intensity-weighted
// centre of the pixels of that colour, so a click two or three pixels off a thin line lands on its
// middle, with a tenth of a pixel to spare.
#include "core/chart/ChartTypes.h"

#include <optional>

namespace mirendo::chart {

struct SnapOptions {
    // How far from the point (pixels) the line may lie: the search reaches this far across it.
    double reach = 4.0;
};

// The centre of the line nearest `near`, or nothing when no line stands out from the background
// within reach (a blank area, a point outside the picture).
std::optional<PixelPoint> SnapToLine(const ImageView& image, PixelPoint near,
                                     const SnapOptions& options = {});

} // namespace mirendo::chart
