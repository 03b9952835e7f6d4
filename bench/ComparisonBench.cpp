// The comparison curve of a drawn curve and its figure: ten points, 450 samples (the engine's 50 per
// interval), for each method: the values at the samples (what is drawn and read), then the trust
// line with the difference to the polynomial (what the line shows). Reported, not asserted.
#include "core/curve/ComparisonCurve.h"
#include "core/curve/CurveTrust.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace mirendo;

// Runge's function through ten points and the polynomial's 450 samples between them.
DrawnCurve TenPointCurve() {
    DrawnCurve curve;
    for (int i = 0; i < 10; ++i) {
        const double x = -1 + 2.0 * i / 9;
        curve.pointX.push_back(x);
        curve.pointY.push_back(1 / (1 + 25 * x * x));
    }
    for (int r = 0; r < 9; ++r)
        for (int w = 0; w < 50; ++w) {
            const double t = curve.pointX[r] + w * (curve.pointX[r + 1] - curve.pointX[r]) / 50;
            curve.sampleX.push_back(t);
            curve.sampleY.push_back(1 / (1 + 25 * t * t));
        }
    curve.sampleXMin = curve.sampleX.front();
    curve.sampleXMax = curve.sampleX.back();
    return curve;
}

void BM_ComparisonSamples(benchmark::State& state) {
    const DrawnCurve curve = TenPointCurve();
    const auto method = ComparisonMethod(state.range(0));
    for (auto _ : state) {
        const std::vector<double> values =
            ComparisonSamples(method, curve.pointX, curve.pointY, curve.sampleX);
        benchmark::DoNotOptimize(values.data());
    }
    state.SetLabel(ComparisonMethodName(method));
}

void BM_TrustLineWithComparison(benchmark::State& state) {
    const DrawnCurve curve = TenPointCurve();
    const auto method = ComparisonMethod(state.range(0));
    for (auto _ : state) {
        const CurveTrust trust = AssessCurve(curve, method);
        benchmark::DoNotOptimize(trust.comparisonPercent);
    }
    state.SetLabel(ComparisonMethodName(method));
}

} // namespace

BENCHMARK(BM_ComparisonSamples)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TrustLineWithComparison)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
