// The snap to a line's centre on a 6000 x 4000 scan: a 2-pixel dark curve (a sine, anti-aliased)
// on a light, slightly noisy background with a grey grid, clicked 0 to 3 pixels beside the curve.
// One snap a iteration; reported, not asserted (a snap should stay well under 2 ms).
#include "core/chart/SnapToLine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

using namespace mirendo::chart;

constexpr int kWidth = 6000, kHeight = 4000;

double CurveY(double x) {
    return kHeight / 2.0 + 1200 * std::sin(x / 700);
}

struct Scan {
    std::vector<std::uint32_t> pixels;
    Scan() : pixels(static_cast<std::size_t>(kWidth) * kHeight) {
        std::mt19937 rng(5);
        for (int j = 0; j < kHeight; ++j)
            for (int i = 0; i < kWidth; ++i) {
                const std::uint32_t grey = (i % 100 == 0 || j % 100 == 0) ? 200 : 245 + rng() % 8;
                pixels[static_cast<std::size_t>(j) * kWidth + i] =
                    0xFF000000u | grey << 16 | grey << 8 | grey;
            }
        // The curve: the vertical distance to it, shrunk by the slope, is the distance across it.
        for (int i = 0; i < kWidth; ++i) {
            const double x = i + 0.5, slope = 1200.0 / 700 * std::cos(x / 700);
            const double across = 1 / std::sqrt(1 + slope * slope);
            const int from = static_cast<int>(CurveY(x) - 2 / across - 2),
                      to = static_cast<int>(CurveY(x) + 2 / across + 2);
            for (int j = std::max(0, from); j <= std::min(kHeight - 1, to); ++j) {
                const double d = std::abs(j + 0.5 - CurveY(x)) * across;
                const double cover = std::clamp(1.5 - d, 0.0, 1.0); // 2 pixels wide, a pixel of ramp
                const auto mix = [&](double ink, double bg) {
                    return static_cast<std::uint32_t>(bg + cover * (ink - bg));
                };
                std::uint32_t& p = pixels[static_cast<std::size_t>(j) * kWidth + i];
                const double bg = p & 0xFF;
                p = 0xFF000000u | mix(30, bg) << 16 | mix(40, bg) << 8 | mix(160, bg);
            }
        }
    }
};

void BM_SnapToLine(benchmark::State& state) {
    static const Scan scan;
    const ImageView view{kWidth, kHeight, scan.pixels.data(), kWidth};
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> u(0, 1);
    for (auto _ : state) {
        const double x = 100 + (kWidth - 200) * u(rng);
        benchmark::DoNotOptimize(SnapToLine(view, {x, CurveY(x) + 6 * u(rng) - 3}));
    }
}
BENCHMARK(BM_SnapToLine)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
