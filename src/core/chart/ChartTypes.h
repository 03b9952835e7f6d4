#pragma once
// The small value types of reading points off a chart picture. Pixel coordinates are doubles in
// the picture's pixel frame: pixel (i, j) covers [i, i+1) x [j, j+1), so its centre is
// (i + 0.5, j + 0.5); y grows downwards, as in the picture's rows.
#include <cstddef>
#include <cstdint>

namespace mirendo::chart {

struct PixelPoint {
    double x = 0, y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// The farthest a placed point may lie from the picture's corner, in pixels along either
// direction (pictures are far smaller): the document refuses more, and the side file holds no more.
inline constexpr double kMaxPixelCoordinate = 1e6;

// A point in the chart's data units.
struct DataPoint {
    double x = 0, y = 0;
    friend bool operator==(const DataPoint&, const DataPoint&) = default;
};

enum class AxisScale { Linear, Log };
enum class ChartAxis { X, Y };

// The four reference points: two on the X axis, two on the Y axis.
enum class Reference { X1, X2, Y1, Y2 };
inline constexpr int kReferenceCount = 4;
inline constexpr Reference kReferences[kReferenceCount] = {Reference::X1, Reference::X2, Reference::Y1,
                                                           Reference::Y2};
inline constexpr ChartAxis AxisOf(Reference reference) {
    return reference == Reference::X1 || reference == Reference::X2 ? ChartAxis::X : ChartAxis::Y;
}

// A picture's pixels as they lie in memory: 0xAARRGGBB per pixel (QImage::Format_RGB32 and
// Format_ARGB32), `stride` pixels from one row to the next. Only read, never kept.
struct ImageView {
    int width = 0, height = 0;
    const std::uint32_t* pixels = nullptr;
    std::ptrdiff_t stride = 0;
};

} // namespace mirendo::chart
