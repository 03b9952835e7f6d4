#include "core/chart/SnapToLine.h"

#include <algorithm>
#include <cmath>

namespace mirendo::chart {

namespace {

struct Rgb {
    double r = 0, g = 0, b = 0;
};

Rgb ColourAt(const ImageView& image, int i, int j) {
    const std::uint32_t p = image.pixels[j * image.stride + i];
    return {double((p >> 16) & 0xFF), double((p >> 8) & 0xFF), double(p & 0xFF)};
}

double Luminance(Rgb c) {
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

double Chroma(Rgb c) {
    return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b});
}

double Distance(Rgb a, Rgb b) {
    return std::hypot(a.r - b.r, a.g - b.g, a.b - b.b);
}

// Least ink a line must carry against the background (in RGB distance) to be snapped to.
constexpr double kMinInk = 48;
// Share of the line's colour below which a pixel counts as background (noise, JPEG ringing).
constexpr double kMinShare = 0.08;
constexpr int kIterations = 8;

// How much of the line's colour a pixel holds: its colour written as background + a (line -
// background), less what lies off that mixing segment (another colour: a grid line of another
// hue). An anti-aliased edge pixel covering a third of a pixel holds about a third.
class LineWeight {
  public:
    LineWeight(Rgb background, Rgb line)
        : m_bg(background), m_d{line.r - background.r, line.g - background.g, line.b - background.b},
          m_length(Distance(line, background)) {}
    double operator()(Rgb c) const {
        const Rgb e{c.r - m_bg.r, c.g - m_bg.g, c.b - m_bg.b};
        const double a = (e.r * m_d.r + e.g * m_d.g + e.b * m_d.b) / (m_length * m_length);
        const double share = std::clamp(a, 0.0, 1.0);
        if (share < kMinShare)
            return 0;
        const double off = std::hypot(e.r - a * m_d.r, e.g - a * m_d.g, e.b - a * m_d.b) / m_length;
        return share * std::max(0.0, 1 - 2 * off);
    }

  private:
    Rgb m_bg, m_d;
    double m_length;
};

} // namespace

std::optional<PixelPoint> SnapToLine(const ImageView& image, PixelPoint near, const SnapOptions& options) {
    if (!image.pixels || image.width <= 0 || image.height <= 0 || !std::isfinite(near.x) ||
        !std::isfinite(near.y) || !(options.reach > 0) || options.reach > 64)
        return std::nullopt;
    if (near.x < 0 || near.y < 0 || near.x > image.width || near.y > image.height)
        return std::nullopt;
    const double reach = options.reach;
    const int margin = static_cast<int>(std::ceil(reach)) + 3;
    const int i0 = std::max(0, static_cast<int>(near.x) - margin);
    const int i1 = std::min(image.width - 1, static_cast<int>(near.x) + margin);
    const int j0 = std::max(0, static_cast<int>(near.y) - margin);
    const int j1 = std::min(image.height - 1, static_cast<int>(near.y) + margin);

    // The background is the lightest pixel around; the line's colour that of the pixel within
    // reach with the most ink, colour counting double so a coloured curve wins over black axes.
    Rgb background;
    double lightest = -1;
    for (int j = j0; j <= j1; ++j)
        for (int i = i0; i <= i1; ++i) {
            const Rgb c = ColourAt(image, i, j);
            if (Luminance(c) > lightest) {
                lightest = Luminance(c);
                background = c;
            }
        }
    Rgb line;
    double most = 0;
    for (int j = j0; j <= j1; ++j)
        for (int i = i0; i <= i1; ++i) {
            if (std::hypot(i + 0.5 - near.x, j + 0.5 - near.y) > reach + 1)
                continue;
            const Rgb c = ColourAt(image, i, j);
            const double ink = Distance(c, background);
            if (ink >= kMinInk && ink + Chroma(c) > most) {
                most = ink + Chroma(c);
                line = c;
            }
        }
    if (most == 0)
        return std::nullopt;
    const LineWeight weight(background, line);

    // Mean shift across the line: the weighted centre of the line's pixels in a disc around the
    // current estimate; the move is kept across the line only (the line's direction from the
    // weighted spread), so the estimate stays beside the clicked place. Once the disc is centred
    // on the line, its two sides weigh alike and the centre is the line's middle.
    PixelPoint at = near;
    for (int iteration = 0; iteration < kIterations; ++iteration) {
        const double radius = iteration == 0 ? reach + 1.5 : std::max(3.0, reach);
        double sw = 0, sx = 0, sy = 0, sxx = 0, sxy = 0, syy = 0;
        const int a0 = std::max(i0, static_cast<int>(std::floor(at.x - radius)));
        const int a1 = std::min(i1, static_cast<int>(std::floor(at.x + radius)));
        const int b0 = std::max(j0, static_cast<int>(std::floor(at.y - radius)));
        const int b1 = std::min(j1, static_cast<int>(std::floor(at.y + radius)));
        for (int j = b0; j <= b1; ++j)
            for (int i = a0; i <= a1; ++i) {
                const double dx = i + 0.5 - at.x, dy = j + 0.5 - at.y;
                const double d2 = (dx * dx + dy * dy) / (radius * radius);
                if (d2 >= 1)
                    continue;
                const double w = weight(ColourAt(image, i, j)) * std::min(1.0, 4 * (1 - d2));
                if (w <= 0)
                    continue;
                sw += w;
                sx += w * dx;
                sy += w * dy;
                sxx += w * dx * dx;
                sxy += w * dx * dy;
                syy += w * dy * dy;
            }
        if (sw <= 0)
            return std::nullopt;
        const double cx = sx / sw, cy = sy / sw;
        const double vxx = sxx / sw - cx * cx, vxy = sxy / sw - cx * cy, vyy = syy / sw - cy * cy;
        // The line runs along the larger spread; across it is the normal (nx, ny).
        const double angle = 0.5 * std::atan2(2 * vxy, vxx - vyy);
        const double nx = -std::sin(angle), ny = std::cos(angle);
        const double spreadAlong = 0.5 * (vxx + vyy) + std::hypot(0.5 * (vxx - vyy), vxy);
        const double spreadAcross = 0.5 * (vxx + vyy) - std::hypot(0.5 * (vxx - vyy), vxy);
        PixelPoint next;
        if (spreadAlong > 2 * spreadAcross) {
            const double across = (at.x + cx - near.x) * nx + (at.y + cy - near.y) * ny;
            next = {near.x + across * nx, near.y + across * ny};
        } else {
            next = {at.x + cx, at.y + cy}; // a blob, no direction: its centre
        }
        const double moved = std::hypot(next.x - at.x, next.y - at.y);
        at = next;
        if (moved < 0.002)
            break;
    }
    if (std::hypot(at.x - near.x, at.y - near.y) > reach + 1.5)
        return std::nullopt;
    return at;
}

} // namespace mirendo::chart
