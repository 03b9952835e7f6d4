#include "core/plot/Readout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace mirendo {
namespace {

using Step = ReadoutStep;

// `n` samples of y = x^2 - 3x + 1 for x from `from` to `to`; on a logarithmic axis the arrays hold
// natural logarithms, as a loaded result does.
Module1 sampled(int mode, int n, double from, double to, double xStart = 1.0, double yStart = 1.0) {
    Module1 s;
    s.ScaleMode = mode;
    s.XStart = xStart;
    s.YStart = yStart;
    const AxisKinds axes = AxesOfScaleMode(mode);
    for (int j = 1; j <= n; ++j) {
        const double x = from + (to - from) * (j - 1) / (n - 1);
        const double y = std::abs(x * x - 3 * x + 1) + 0.01;
        s.CurveX[j] = axes.x == AxisKind::Logarithmic ? std::log(x) : x;
        s.CurveY[j] = axes.y == AxisKind::Logarithmic ? std::log(y) : y;
    }
    s.SampleCount = n;
    s.CurveXMin = s.CurveX[1];
    s.CurveXMax = s.CurveX[n];
    return s;
}

TEST(ReadoutStep, EverySampleReadsAsTheMouseAtItsAbscissa) {
    const struct {
        const char* name;
        Module1 s;
    } curves[] = {
        {"linear - linear", sampled(1, 500, -3, 5)},
        {"linear - log", sampled(2, 300, 0.25, 40, 1, 0.01)},
        {"log - linear", sampled(3, 400, 0.5, 2000, 0.1)},
        {"log - log", sampled(4, Module1::kMaxSamples, 1e-3, 1e3, 1e-4, 1e-3)},
        {"few samples", sampled(1, 3, 0, 1)},
        {"wide linear values", sampled(1, 200, -5e4, 5e4)},
    };
    for (const auto& c : curves) {
        SCOPED_TRACE(c.name);
        const DrawnCurve curve = DrawnCurveOf(c.s);
        for (int k = 1; k <= c.s.SampleCount; ++k) {
            const float x = SampleAbscissa(curve, k);
            const Readout mouse = ComputeReadout(curve, x);
            ASSERT_EQ(mouse.action, Readout::Action::Show) << k;
            ASSERT_EQ(mouse.sample, k);
            // Walking there by keys from the neighbour shows the same thing.
            const Readout key = ReadoutForStep(curve, k - 1, Step::Next);
            ASSERT_EQ(key.sample, k);
            EXPECT_EQ(std::tuple(key.verticalX, key.horizontalY, key.xText, key.yText),
                      std::tuple(mouse.verticalX, mouse.horizontalY, mouse.xText, mouse.yText));
        }
    }
}

TEST(ReadoutStep, KeysMoveWithinTheSamples) {
    const Module1 s = sampled(1, 25, 0, 1);
    const struct {
        const char* name;
        int current;
        Step step;
        int expected;
    } cases[] = {
        {"right", 5, Step::Next, 6},
        {"left", 5, Step::Previous, 4},
        {"page down", 5, Step::PageForward, 15},
        {"page up", 15, Step::PageBack, 5},
        {"home", 17, Step::First, 1},
        {"end", 3, Step::Last, 25},
        {"right at the end", 25, Step::Next, 25},
        {"left at the start", 1, Step::Previous, 1},
        {"page down near the end", 20, Step::PageForward, 25},
        {"page up near the start", 4, Step::PageBack, 1},
        {"first key: right", 0, Step::Next, 1},
        {"first key: left", 0, Step::Previous, 1},
        {"first key: end", 0, Step::Last, 25},
        {"a stale sample", 40, Step::Previous, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SteppedSample(DrawnCurveOf(s), c.current, c.step), c.expected);
        EXPECT_EQ(ReadoutForStep(DrawnCurveOf(s), c.current, c.step).sample, c.expected);
    }
    EXPECT_EQ(SteppedSample(DrawnCurveOf(Module1{}), 0, Step::Next), 0) << "no samples";
}

TEST(ReadoutStep, SamplesSharingAnAbscissaShowAsTheLaterOne) {
    Module1 s = sampled(1, 5, 1, 5);
    s.CurveX[3] = std::nextafter(s.CurveX[2], 3.0); // the same single-precision position as 2
    EXPECT_EQ(ReadoutForStep(DrawnCurveOf(s), 1, Step::Next).sample, 3) << "the mouse there shows sample 3";
    EXPECT_EQ(ReadoutForStep(DrawnCurveOf(s), 3, Step::Previous).sample, 1) << "a step back moves";
}

TEST(ReadoutStep, NoPositionWithoutASample) {
    Module1 s = sampled(3, 5, 1, 5, 0.1);
    EXPECT_TRUE(std::isnan(SampleAbscissa(DrawnCurveOf(s), 0)));
    EXPECT_TRUE(std::isnan(SampleAbscissa(DrawnCurveOf(s), 6)));
    s.XStart = 0; // no logarithm of the axis start
    EXPECT_TRUE(std::isnan(SampleAbscissa(DrawnCurveOf(s), 2)));
    EXPECT_EQ(ReadoutForStep(DrawnCurveOf(s), 0, Step::Next).action, Readout::Action::Nothing);
}

} // namespace
} // namespace mirendo
