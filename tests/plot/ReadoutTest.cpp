#include "core/plot/Readout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

namespace mirendo {
namespace {

using Action = Readout::Action;

// Ten samples at X = 1..10 with given Y values; linear X unless the mode says otherwise.
Module1 curve(int mode, std::initializer_list<double> ys) {
    Module1 s;
    s.ScaleMode = mode;
    s.XStart = 1;
    s.YStart = 1;
    int j = 0;
    for (double y : ys) {
        ++j;
        s.CurveX[j] = j;
        s.CurveY[j] = y;
    }
    s.SampleCount = j;
    s.CurveXMin = 1;
    s.CurveXMax = j;
    return s;
}

TEST(Readout, PicksTheSampleAtOrLeftOfTheMouse) {
    const Module1 s = curve(1, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100});
    const struct {
        const char* name;
        float mouse;
        Action action;
        int sample;
    } cases[] = {
        {"just left of the first sample", 0.999f, Action::Hide, 0},
        {"exactly on the first sample", 1.0f, Action::Show, 1},
        {"between two samples", 1.5f, Action::Show, 1},
        {"on a sample", 2.0f, Action::Show, 2},
        {"just left of a sample", 6.9999f, Action::Show, 6},
        {"exactly on the last sample", 10.0f, Action::Show, 10},
        {"just right of the last sample", 10.001f, Action::Hide, 0},
        {"far away", -1e30f, Action::Hide, 0},
        {"not a number", std::numeric_limits<float>::quiet_NaN(), Action::Hide, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Readout r = ComputeReadout(DrawnCurveOf(s), c.mouse);
        EXPECT_EQ(r.action, c.action);
        if (c.action != Action::Show) {
            EXPECT_EQ(std::tuple(r.xText.empty(), r.yText.empty()), std::tuple(true, true));
            continue;
        }
        EXPECT_EQ(r.sample, c.sample);
        EXPECT_EQ(r.verticalX, c.mouse) << "the vertical line stays at the mouse";
        EXPECT_EQ(r.horizontalY, float(10 * c.sample)) << "the horizontal line jumps to the sample";
    }
}

TEST(Readout, SearchStopsAtTheSamplesInUse) {
    // Stale entries beyond SampleCount (an earlier, longer result) and a stale maximum.
    Module1 s = curve(1, {1, 2, 3, 4});
    s.CurveX[5] = 4.5;
    s.CurveY[5] = 999;
    s.CurveXMax = 6;
    const Readout r = ComputeReadout(DrawnCurveOf(s), 5.0f);
    EXPECT_EQ(std::tuple(r.action, r.sample, r.yText), std::tuple(Action::Show, 4, "4.000"));

    s.SampleCount = 0;
    EXPECT_EQ(ComputeReadout(DrawnCurveOf(s), 1.0f).action, Action::Hide);
    s.SampleCount = 5000; // clamped to the capacity, never read beyond it
    s.CurveXMax = 1e9;
    EXPECT_EQ(ComputeReadout(DrawnCurveOf(s), 1e8f).sample, Module1::kMaxSamples);
}

TEST(Readout, TextsFollowTheAxisKind) {
    const struct {
        const char* name;
        int mode;
        double x, y; // the sample, in the curve arrays' own space
        const char *xText, *yText;
    } cases[] = {
        {"plain within the bound", 1, 0.5, -12.34567, "0.500", "-12.346"},
        {"bound is inclusive", 1, 1000, -1000, "1000.000", "-1000.000"},
        {"just beyond the bound", 1, 1000.0001, 12345.6, "1.000E+03", "1.235E+04"},
        {"log Y shows e^y", 2, 3, std::log(0.5), "3.000", "5.000E-01"},
        {"log X shows e^x", 3, std::log(0.5), 2, "5.000E-01", "2.000"},
        {"log-log", 4, std::log(2000.0), std::log(0.001), "2.000E+03", "1.000E-03"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Module1 s;
        s.ScaleMode = c.mode;
        s.XStart = 0.1;
        s.YStart = 0.01;
        s.SampleCount = 1;
        s.CurveX[1] = c.x;
        s.CurveY[1] = c.y;
        s.CurveXMin = s.CurveXMax = c.x;
        s.CurveYMin = s.CurveYMax = c.y;
        const bool logX = c.mode >= 3;
        const bool logY = c.mode == 2 || c.mode == 4;
        const float mouse = float(logX ? c.x - std::log(0.1) : c.x);
        const Readout r = ComputeReadout(DrawnCurveOf(s), mouse);
        ASSERT_EQ(r.action, Action::Show);
        EXPECT_EQ(std::tuple(r.xText, r.yText), std::tuple(c.xText, c.yText));
        EXPECT_FLOAT_EQ(r.horizontalY, float(logY ? c.y - std::log(0.01) : c.y));
    }
}

TEST(Readout, LogLinearExampleFromTheFirstSample) {
    // X start 1.0E-01, first point at X = 0.5: the mouse over it reads 5.000E-01.
    Module1 s = curve(3, {1, 2, 3});
    s.XStart = 0.1;
    for (int j = 1; j <= 3; ++j)
        s.CurveX[j] = std::log(0.5 * j);
    s.CurveXMin = s.CurveX[1];
    s.CurveXMax = s.CurveX[3];
    const Readout r = ComputeReadout(DrawnCurveOf(s), float(std::log(5.0)));
    ASSERT_EQ(r.action, Action::Show);
    EXPECT_EQ(std::tuple(r.sample, r.xText), std::tuple(1, "5.000E-01"));
    // Left of ln 5 in plot space is outside the curve.
    EXPECT_EQ(ComputeReadout(DrawnCurveOf(s), float(std::log(4.9))).action, Action::Hide);
}

TEST(Readout, NoPositionsWithoutALogarithmicStart) {
    const struct {
        int mode;
        double xStart, yStart;
    } cases[] = {{3, 0, 1}, {4, -1, 1}, {2, 1, 0}, {4, 1, std::numeric_limits<double>::quiet_NaN()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        Module1 s = curve(c.mode, {1, 2, 3});
        s.XStart = c.xStart;
        s.YStart = c.yStart;
        EXPECT_EQ(ComputeReadout(DrawnCurveOf(s), 1.5f).action, Action::Nothing);
    }
    // A linear axis does not care about its start.
    Module1 s = curve(1, {1, 2, 3});
    s.XStart = -5;
    s.YStart = 0;
    EXPECT_EQ(ComputeReadout(DrawnCurveOf(s), 1.5f).action, Action::Show);
}

} // namespace
} // namespace mirendo
