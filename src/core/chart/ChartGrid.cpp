#include "core/chart/ChartGrid.h"

#include <algorithm>
#include <cmath>

namespace mirendo::chart {

namespace {

constexpr int kMaxLinesPerAxis = 200;

double AxisValue(double value, AxisScale scale) {
    return scale == AxisScale::Log ? std::log10(value) : value;
}

// The part of the line through `p` along `d` inside [0, width] x [0, height] (Liang-Barsky).
std::optional<std::pair<PixelPoint, PixelPoint>> Clip(PixelPoint p, PixelPoint d, int width, int height) {
    double t0 = -1e300, t1 = 1e300;
    const double from[2] = {p.x, p.y}, along[2] = {d.x, d.y}, size[2] = {double(width), double(height)};
    for (int k = 0; k < 2; ++k) {
        if (along[k] == 0) {
            if (from[k] < 0 || from[k] > size[k])
                return std::nullopt;
            continue;
        }
        double a = (0 - from[k]) / along[k], b = (size[k] - from[k]) / along[k];
        if (a > b)
            std::swap(a, b);
        t0 = std::max(t0, a);
        t1 = std::min(t1, b);
    }
    if (!(t0 < t1))
        return std::nullopt;
    return std::make_pair(PixelPoint{p.x + t0 * d.x, p.y + t0 * d.y},
                          PixelPoint{p.x + t1 * d.x, p.y + t1 * d.y});
}

} // namespace

std::vector<GridLine> GridLines(const Calibration& calibration, int width, int height) {
    std::vector<GridLine> lines;
    if (width <= 0 || height <= 0)
        return lines;
    const CalibrationInput& input = calibration.input();
    const PixelPoint corners[4] = {
        {0, 0}, {double(width), 0}, {0, double(height)}, {double(width), double(height)}};
    for (ChartAxis axis : {ChartAxis::X, ChartAxis::Y}) {
        const bool isX = axis == ChartAxis::X;
        const AxisScale scale = calibration.scale(axis);
        const double from = AxisValue(*input.values[isX ? 0 : 2], scale);
        const double to = AxisValue(*input.values[isX ? 1 : 3], scale);
        // Fractions are affine in the pixel: their extremes over the picture lie at its corners.
        double fMin = 1e300, fMax = -1e300;
        for (PixelPoint c : corners) {
            const double f = isX ? calibration.xFraction(c) : calibration.yFraction(c);
            fMin = std::min(fMin, f);
            fMax = std::max(fMax, f);
        }
        const double lo = std::min(from + fMin * (to - from), from + fMax * (to - from));
        const double hi = std::max(from + fMin * (to - from), from + fMax * (to - from));
        if (!std::isfinite(lo) || !std::isfinite(hi) || !(hi > lo))
            continue;
        // Pixels one unit of the axis (a decade on a log axis) spans.
        const PixelPoint p0 = calibration.pixelAtFractions(0, 0);
        const PixelPoint pu = isX ? calibration.pixelAtFractions(1, 0) : calibration.pixelAtFractions(0, 1);
        const double pixelsPerUnit = std::hypot(pu.x - p0.x, pu.y - p0.y) / std::abs(to - from);
        // A line of constant X runs along the Y axis, and the other way round.
        const PixelPoint other = calibration.pixelAtFractions(isX ? 0 : 1, isX ? 1 : 0);
        const PixelPoint direction{other.x - p0.x, other.y - p0.y};
        auto add = [&](double inAxis, bool major) {
            const double f = (inAxis - from) / (to - from);
            const PixelPoint at =
                isX ? calibration.pixelAtFractions(f, 0) : calibration.pixelAtFractions(0, f);
            const auto segment = Clip(at, direction, width, height);
            if (!segment)
                return;
            const double value = scale == AxisScale::Log ? std::pow(10.0, inAxis) : inAxis;
            lines.push_back({axis, value, major, segment->first, segment->second});
        };
        if (scale == AxisScale::Log) {
            const double first = std::floor(lo), last = std::ceil(hi);
            if (last - first > kMaxLinesPerAxis)
                continue;
            const bool minor = pixelsPerUnit >= 60 && (last - first) * 9 <= kMaxLinesPerAxis;
            for (int d = 0; d <= static_cast<int>(last - first); ++d) {
                const double decade = first + d;
                if (decade >= lo && decade <= hi)
                    add(decade, true);
                for (int m = 2; minor && m <= 9; ++m) {
                    const double v = decade + std::log10(double(m));
                    if (v >= lo && v <= hi)
                        add(v, false);
                }
            }
        } else {
            const double raw = (hi - lo) / 10;
            const double power = std::pow(10.0, std::floor(std::log10(raw)));
            const double step = raw <= power       ? power
                                : raw <= 2 * power ? 2 * power
                                : raw <= 5 * power ? 5 * power
                                                   : 10 * power;
            if (!(step > 0) || !std::isfinite(step))
                continue;
            // Counted in integers: far from zero a double step could leave the value unchanged.
            const double first = std::ceil(lo / step);
            for (int k = 0; k <= kMaxLinesPerAxis && (first + k) * step <= hi; ++k)
                add((first + k) * step, true);
        }
    }
    return lines;
}

} // namespace mirendo::chart
