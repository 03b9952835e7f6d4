// Timing of what runs on every mouse move (the readout) and on the plot buttons.
#include "core/exchange/RequestFile.h"
#include "core/exchange/ResultFile.h"
#include "core/plot/Plot.h"
#include "core/plot/Readout.h"
#include "core/plot/RecordingCanvas.h"
#include "qt/bridge/Calculation.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

using namespace mirendo;

// A ten-point result as the engine writes it: 450 samples.
exchange::EngineResult tenPointResult() {
    exchange::EngineResult r;
    r.mode = 1;
    r.xstart = 0;
    r.xstop = 10;
    r.n = 10;
    for (int i = 0; i < 10; ++i) {
        r.x[i] = float(i + 1);
        r.y[i] = float(std::sin(i));
        r.c[i] = 0.01f * float(i);
    }
    r.m = 450;
    for (int j = 0; j < 450; ++j) {
        r.t[j] = 1.0f + 0.02f * float(j);
        r.p[j] = float(std::sin(0.02 * j));
    }
    return r;
}

Module1 loaded(const exchange::LoadedResult& r) {
    Module1 s;
    s.Ln10 = Module1::kLn10;
    s.ScaleMode = r.scaleMode;
    s.XStart = r.xStart;
    s.XStop = r.xStop;
    s.XStep = 1;
    s.YStart = -1.5;
    s.YStop = 1.5;
    s.YStep = 0.5;
    s.PointCount = r.pointCount;
    for (int i = 1; i <= r.pointCount; ++i) {
        s.XData[i] = r.x[i];
        s.YData[i] = r.y[i];
    }
    s.SampleCount = r.sampleCount;
    s.CurveX = r.t;
    s.CurveY = r.p;
    s.CurveXMin = s.CurveX[1];
    s.CurveXMax = s.CurveX[s.SampleCount];
    return s;
}

void BM_Readout(benchmark::State& state) {
    const Module1 s = loaded(exchange::ParseResult(exchange::FormatResult(tenPointResult())).value);
    const DrawnCurve curve = DrawnCurveOf(s);
    float x = float(s.CurveXMin);
    const float dx = float((s.CurveXMax - s.CurveXMin) / 97);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeReadout(curve, x));
        x += dx;
        if (x > s.CurveXMax)
            x = float(s.CurveXMin);
    }
}
BENCHMARK(BM_Readout);

void BM_PointPlotParseCurvePlot(benchmark::State& state) {
    const std::string resultText = exchange::FormatResult(tenPointResult());
    Module1 s = loaded(exchange::ParseResult(resultText).value);
    for (auto _ : state) {
        RecordingCanvas canvas;
        PlotPointsLinLin(s, canvas, {});
        const exchange::PointRequest request = PointRequestOf(s);
        benchmark::DoNotOptimize(exchange::FormatRequest(request.mode, request.xStart, request.xStop,
                                                         request.pointCount, request.x.data(),
                                                         request.y.data()));
        const exchange::ResultRead read = exchange::ParseResult(resultText);
        benchmark::DoNotOptimize(read.value.sampleCount);
        canvas.setLineWidth(2);
        PlotCurveLinLin(s, canvas);
        benchmark::DoNotOptimize(canvas.calls().size());
    }
}
BENCHMARK(BM_PointPlotParseCurvePlot)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
