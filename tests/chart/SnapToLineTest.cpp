// The snap against lines whose centre the test knows: straight lines of random width, angle and
// colour on a light background, drawn by supersampling here, with a click up to three pixels off;
// and hostile calls (blank pictures, points outside, odd reaches) that must find nothing.
#include "core/chart/SnapToLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace mirendo::chart {
namespace {

TEST(SnapToLine, FindsTheCentreOfRandomLinesAndNothingWhereThereIsNone) {
    std::mt19937 rng(1208);
    std::uniform_real_distribution<double> u(0, 1);
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE(round);
        const int width = 24 + static_cast<int>(60 * u(rng)), height = 24 + static_cast<int>(60 * u(rng));
        const double bg[3] = {225 + 30 * u(rng), 225 + 30 * u(rng), 225 + 30 * u(rng)};
        double ink[3] = {120 * u(rng), 120 * u(rng), 200 * u(rng)};
        std::shuffle(ink, ink + 3, rng);
        const double angle = std::acos(-1.0) * u(rng), lineWidth = 1 + 3 * u(rng), noise = 6 * (round % 2);
        const double cx = width / 2.0 + 4 * u(rng) - 2, cy = height / 2.0 + 4 * u(rng) - 2;
        const double nx = -std::sin(angle), ny = std::cos(angle); // across the line
        const bool blank = round % 8 == 0;
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
        for (int j = 0; j < height; ++j)
            for (int i = 0; i < width; ++i) {
                int covered = 0;
                for (int s = 0; s < 64 && !blank; ++s) {
                    const double d = (i + (s % 8 + 0.5) / 8 - cx) * nx + (j + (s / 8 + 0.5) / 8 - cy) * ny;
                    covered += std::abs(d) <= lineWidth / 2;
                }
                std::uint32_t& p = pixels[static_cast<std::size_t>(j) * width + i] = 0xFF000000u;
                for (int k = 0; k < 3; ++k) // 0xAARRGGBB
                    p |= std::clamp(
                             std::lround(bg[k] + covered / 64.0 * (ink[k] - bg[k]) + noise * (u(rng) - 0.5)),
                             0L, 255L)
                         << (16 - 8 * k);
            }
        const ImageView view{width, height, pixels.data(), width};
        const double off = 6 * u(rng) - 3, along = 6 * u(rng) - 3;
        const PixelPoint click{cx + off * nx + along * ny, cy + off * ny - along * nx};
        const std::optional<PixelPoint> snapped = SnapToLine(view, click);
        ASSERT_EQ(snapped.has_value(), !blank);
        if (blank)
            continue;
        EXPECT_NEAR((snapped->x - cx) * nx + (snapped->y - cy) * ny, 0, 0.2) << "across";
        EXPECT_NEAR((snapped->x - click.x) * ny - (snapped->y - click.y) * nx, 0, 0.2) << "along";

        const PixelPoint hostile[] = {
            {std::nan(""), 1}, {1, INFINITY}, {-5, 3}, {3, height + 5.0}, {1e300, -1e300}};
        for (PixelPoint p : hostile)
            EXPECT_FALSE(SnapToLine(view, p).has_value());
        for (double reach : {0.0, -1.0, std::nan(""), 1e9})
            EXPECT_FALSE(SnapToLine(view, click, {reach}).has_value());
        EXPECT_FALSE(SnapToLine({1, 1, pixels.data(), 1}, {0.5, 0.5}).has_value()); // nothing but background
    }
}

} // namespace
} // namespace mirendo::chart
