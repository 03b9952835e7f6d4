// Cost of the trust line per loaded result: ten points, 450 samples computed by the engine's own
// arithmetic, in each scale mode. The points swing in every mode, so the advice (three more
// curves in double precision) is part of every run.
#include "core/curve/CurveTrust.h"
#include "core/engine/Lagrange.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace mirendo;

Module1 RungeLikeResult(int mode) {
    const AxisKinds axes = AxesOfScaleMode(mode);
    exchange::EngineRequest request;
    request.mode = mode;
    request.n = 10;
    for (int i = 0; i < 10; ++i) {
        const double u = -1 + 2.0 * i / 9;
        const double x = 1 + i;                // positive: every mode is allowed
        const double y = 1 / (1 + 25 * u * u); // positive
        request.x[i] = float(axes.x == AxisKind::Logarithmic ? std::log(x) : x);
        request.y[i] = float(axes.y == AxisKind::Logarithmic ? std::log(y) : y);
    }
    exchange::EngineResult result;
    engine::Interpolate(request, result);
    Module1 s;
    s.ScaleMode = mode;
    s.PointCount = result.n;
    for (int i = 0; i < result.n; ++i) {
        s.ResultX[i + 1] = result.x[i];
        s.ResultY[i + 1] = result.y[i];
    }
    s.SampleCount = result.m;
    for (int j = 0; j < result.m; ++j) {
        s.CurveX[j + 1] = result.t[j];
        s.CurveY[j + 1] = result.p[j];
    }
    return s;
}

void BM_AssessCurve(benchmark::State& state) {
    const Module1 loaded = RungeLikeResult(static_cast<int>(state.range(0)));
    CurveTrust trust;
    for (auto _ : state) {
        trust = AssessCurve(DrawnCurveOf(loaded));
        benchmark::DoNotOptimize(trust);
    }
    state.counters["red"] = trust.red;
    state.counters["overshoot%"] = trust.overshootPercent;
}
BENCHMARK(BM_AssessCurve)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
