// Values on a grid and the area under the curve: 1 000 grid rows with their slope as the batch
// window and mirendo-eval make them (grid, evaluation, slope, CSV), and the area from the first
// to the last of ten points in each scale mode (the antiderivative in Linear - Linear, adaptive
// quadrature in the others). Plain C++, no window.
#include "core/curve/BatchEvaluation.h"
#include "core/curve/CurveArea.h"
#include "core/curve/CurveSlope.h"
#include "core/curve/ValueGrid.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string_view>
#include <vector>

namespace {

using namespace mirendo;

// Ten points of a bumpy curve in the space of `mode`, positive X from 1 to about 100.
Module1 TenPoints(int mode) {
    Module1 s;
    s.ScaleMode = mode;
    s.PointCount = 10;
    const AxisKinds axes = AxesOfScaleMode(mode);
    for (int i = 1; i <= 10; ++i) {
        const double x = std::pow(10.0, 0.22 * (i - 1));
        const double y = 2 + std::sin(i) + 0.1 * i;
        s.ResultX[i] = axes.x == AxisKind::Logarithmic ? std::log(x) : x;
        s.ResultY[i] = axes.y == AxisKind::Logarithmic ? std::log(y) : y;
    }
    for (int i = 1; i <= 10; ++i) {
        double denominator = 1;
        for (int k = 1; k <= 10; ++k)
            if (k != i)
                denominator *= s.ResultX[i] - s.ResultX[k];
        s.Coef[i] = s.ResultY[i] / denominator;
    }
    s.XStart = 1;
    s.XStop = 1000;
    return s;
}

void GridWithSlope(benchmark::State& bench) {
    const Module1 s = TenPoints(4);
    for (auto _ : bench) {
        const ValueGrid grid = LinearGrid("1", "100.9", "0.1");
        const std::vector<std::string_view> tokens(grid.values.begin(), grid.values.end());
        std::vector<BatchRow> rows = EvaluateBatch(s, tokens);
        AddSlope(rows, s);
        benchmark::DoNotOptimize(FormatBatchCsv(rows, BatchDirection::XToY, {}, SlopeName(s.ScaleMode)));
    }
    bench.counters["rows"] = double(LinearGrid("1", "100.9", "0.1").values.size());
}
BENCHMARK(GridWithSlope)->Unit(benchmark::kMillisecond);

void AreaInMode(benchmark::State& bench) {
    const Module1 s = TenPoints(int(bench.range(0)));
    const double last = std::pow(10.0, 0.22 * 9);
    for (auto _ : bench)
        benchmark::DoNotOptimize(AreaBetween(s, 1, last));
}
BENCHMARK(AreaInMode)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
