#include "core/chart/SnapToLine.h"

namespace mirendo::chart {

std::optional<PixelPoint> SnapToLine(const ImageView& image, PixelPoint near, const SnapOptions& options) {
    (void)image;
    (void)near;
    (void)options;
    return std::nullopt;
}

} // namespace mirendo::chart
