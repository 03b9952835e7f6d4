#include "core/plot/Plot.h"
#include "support/CanvasCalls.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace mirendo {
namespace {

using Kind = RecordingCanvas::Kind;
constexpr double kLn10 = 2.3025851;

Module1 baseState() {
    Module1 s;
    s.Ln10 = kLn10;
    return s;
}

const auto setX = [](Module1& s, double start, double stop, double step) {
    s.XStart = start, s.XStop = stop, s.XStep = step;
};
const auto setY = [](Module1& s, double start, double stop, double step) {
    s.YStart = start, s.YStop = stop, s.YStep = step;
};
// A state with both axes' start, stop and step.
Module1 stateOn(double xStart, double xStop, double xStep, double yStart, double yStop, double yStep) {
    Module1 s = baseState();
    setX(s, xStart, xStop, xStep);
    setY(s, yStart, yStop, yStep);
    return s;
}

RecordingCanvas::Call onlyCall(const RecordingCanvas& c, Kind kind) {
    const auto calls = testing::CallsOf(c, kind);
    EXPECT_EQ(calls.size(), 1u);
    return calls.empty() ? RecordingCanvas::Call{kind} : calls.front();
}

std::vector<float> logPositions(int decades) {
    std::vector<float> out;
    for (int k = 0; k < decades; ++k)
        for (int j = 1; j <= 10; ++j)
            out.push_back(float(std::log(double(j)) + k * kLn10));
    return out;
}

const auto floats = [](std::initializer_list<double> v) { return std::vector<float>(v.begin(), v.end()); };
// The four texts, to compare in one go.
const auto labelTexts = [](const RangeLabels& l) { return std::tuple(l.xStart, l.xStop, l.yStart, l.yStop); };

struct ScaleCase {
    const char* name;
    int mode;
    double xs, xe, ys, ye;
    LimitTexts texts;
    float left, top, width, height;
};

TEST(PlotTest, VisibleAreaHasEightAndTwoPercentMargins) {
    const double w3 = 3 * kLn10, w5 = 5 * kLn10;
    const LimitTexts logY{"", "", "1.0E00", "1.0E+03"}, logX{"1.0E-02", "1.0E+03", "", ""};
    const LimitTexts logLog{"1.0E-01", "1.0E+02", "1.0E+00", "1.0E+03"};
    const ScaleCase cases[] = {
        {"linear 0..10 / 0..5", 1, 0, 10, 0, 5, {}, -0.8f, 5.1f, 11.0f, -5.5f},
        {"linear offset 100..200 / -1..1", 1, 100, 200, -1, 1, {}, 92.0f, 1.04f, 110.0f, -2.2f},
        {"log Y 1..1000", 2, 0, 10, 1, 1000, logY, -0.8f, float(1.02 * w3), 11.0f, float(-1.1 * w3)},
        {"log X 0.01..1000", 3, 0.01, 1000, 0, 5, logX, float(-0.08 * w5), 5.1f, float(1.1 * w5), -5.5f},
        {"log-log", 4, 0.1, 100, 1, 1000, logLog, float(-0.08 * w3), float(1.02 * w3), float(1.1 * w3),
         float(-1.1 * w3)},
    };
    for (const ScaleCase& c : cases) {
        SCOPED_TRACE(c.name);
        Module1 s = stateOn(c.xs, c.xe, (c.xe - c.xs) / 2, c.ys, c.ye, (c.ye - c.ys) / 2);
        s.ScaleMode = c.mode;
        RecordingCanvas canvas;
        PlotPointsForMode(s, canvas, c.texts);
        const auto scale = onlyCall(canvas, Kind::Scale);
        EXPECT_FLOAT_EQ(scale.a, c.left);
        EXPECT_FLOAT_EQ(scale.b, c.top);
        EXPECT_FLOAT_EQ(scale.c, c.width);
        EXPECT_FLOAT_EQ(scale.d, c.height);
    }
}

TEST(DecadeExponent, ReadsTheLastThreeCharacters) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {{"1.0E-02", -2}, {"1.0E+03", 3}, {"1.0E00", 0}, {"1.0E+100", 100}, {"", 0}, {"5", 5}};
    for (const auto& c : cases)
        EXPECT_EQ(DecadeExponent(c.text), c.expected) << c.text;
}

struct GridCase {
    const char* name;
    double start, stop, step;
    std::vector<float> expected;
};

TEST(PlotTest, LinearGridIsStartPlusKStepStrictlyBelowStop) {
    const GridCase cases[] = {
        {"0..10 step 2", 0, 10, 2, floats({2, 4, 6, 8})},
        {"0..10 step 1", 0, 10, 1, floats({1, 2, 3, 4, 5, 6, 7, 8, 9})},
        {"step equal to the length", 0, 10, 10, {}},
        // Repeated addition of 0.1 reaches 0.9999999999999999 and would add a line on the frame.
        {"0..1 step 0.1, computed afresh", 0, 1, 0.1,
         floats({0.1, 0.2, 0.1 * 3, 0.4, 0.5, 0.1 * 6, 0.1 * 7, 0.8, 0.9})},
        {"offset start", 100, 200, 30, floats({130, 160, 190})},
        {"negative range", -5, -1, 1.5, floats({-3.5, -2})},
        {"step larger than the axis", 0, 1, 5, {}},
    };
    for (const GridCase& c : cases) {
        SCOPED_TRACE(c.name);
        Module1 s = stateOn(c.start, c.stop, c.step, c.start, c.stop, c.step);
        RecordingCanvas canvas;
        PlotPointsLinLin(s, canvas, {});
        EXPECT_EQ(testing::VerticalLinesAt(canvas, kGridGrey), c.expected);
        EXPECT_EQ(testing::HorizontalLinesAt(canvas, kGridGrey), c.expected);
    }
}

TEST(PlotTest, GridLinesSpanTheOtherAxisAndComeBeforeTheFrame) {
    Module1 s = stateOn(100, 200, 50, 1, 1000, 10);
    RecordingCanvas canvas;
    PlotPointsLinLog(s, canvas, {"", "", "1.0E+00", "1.0E+03"});
    const float h = float(3 * kLn10);
    bool seenHorizontal = false;
    for (const auto& call : testing::CallsOf(canvas, Kind::Line)) {
        EXPECT_EQ(std::tuple(call.width, call.colour), std::tuple(1, kGridGrey));
        if (call.a == call.c) {
            EXPECT_FALSE(seenHorizontal) << "vertical lines are drawn first";
            EXPECT_FLOAT_EQ(call.b, 0);
            EXPECT_FLOAT_EQ(call.d, h);
        } else {
            seenHorizontal = true;
            // A log grid on a semi-log graph runs over the linear axis' own range.
            EXPECT_FLOAT_EQ(call.a, 100);
            EXPECT_FLOAT_EQ(call.c, 200);
        }
    }
    const auto frame = onlyCall(canvas, Kind::Frame);
    EXPECT_EQ(frame.width, 2);
    EXPECT_FLOAT_EQ(frame.a, 100);
    EXPECT_FLOAT_EQ(frame.b, 0);
    EXPECT_FLOAT_EQ(frame.c, 200);
    EXPECT_FLOAT_EQ(frame.d, h);
    EXPECT_EQ(canvas.calls().back().kind, Kind::LineWidth);
    EXPECT_EQ(testing::LineWidthInForce(canvas), 1);
}

TEST(PlotTest, LogGridDrawsDecadesPlusTheExtraOneOnTheFrame) {
    const struct {
        const char* name;
        const char *start, *stop;
        int decades; // including the one that starts on the far edge of the frame
    } cases[] = {
        {"1.0E+00..1.0E+03", "1.0E+00", "1.0E+03", 4},
        {"1.0E-02..1.0E+03", "1.0E-02", "1.0E+03", 6},
        {"1.0E00..1.0E+01", "1.0E00", "1.0E+01", 2},
        // Same exponents: a zero-length axis still gets its first decade.
        {"1.0E+02..1.0E+02", "1.0E+02", "1.0E+02", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Module1 s = stateOn(1, 10, 10, 1, 10, 10);
        RecordingCanvas onX;
        PlotPointsLogLog(s, onX, {c.start, c.stop, "1.0E00", "1.0E+01"});
        EXPECT_EQ(testing::VerticalLinesAt(onX, kGridGrey), logPositions(c.decades));
        RecordingCanvas onY;
        PlotPointsLogLog(s, onY, {"1.0E00", "1.0E+01", c.start, c.stop});
        EXPECT_EQ(testing::HorizontalLinesAt(onY, kGridGrey), logPositions(c.decades));
    }
}

TEST(PlotTest, PointsAreRedDotsOfWidthTenInPlotSpace) {
    Module1 s = stateOn(0.1, 100, 10, 1, 1000, 10);
    s.PointCount = 3;
    const double xs[] = {0, 0.5, 4, 80}, ys[] = {0, 2, 30, 500};
    for (int i = 1; i <= 3; ++i) {
        s.XData[i] = xs[i], s.YData[i] = ys[i];
        s.XPlotData[i] = std::log(xs[i]), s.YPlotData[i] = std::log(ys[i]);
    }
    const LimitTexts texts{"1.0E-01", "1.0E+02", "1.0E+00", "1.0E+03"};
    const struct {
        const char* name;
        RangeLabels (*plot)(const Module1&, GraphCanvas&, const LimitTexts&);
        bool logX, logY;
    } cases[] = {
        {"lin-lin", PlotPointsLinLin, false, false},
        {"lin-log", PlotPointsLinLog, false, true},
        {"log-lin", PlotPointsLogLin, true, false},
        {"log-log", PlotPointsLogLog, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingCanvas canvas;
        c.plot(s, canvas, texts);
        const auto dots = testing::CallsOf(canvas, Kind::Dot);
        ASSERT_EQ(dots.size(), 3u);
        for (int i = 1; i <= 3; ++i) {
            const auto& d = dots[i - 1];
            EXPECT_EQ(std::tuple(d.width, d.colour), std::tuple(10, kPointRed));
            EXPECT_FLOAT_EQ(d.a, float(c.logX ? std::log(xs[i]) - std::log(0.1) : xs[i]));
            EXPECT_FLOAT_EQ(d.b, float(c.logY ? std::log(ys[i]) - std::log(1.0) : ys[i]));
        }
        EXPECT_EQ(testing::LineWidthInForce(canvas), 1);
    }
}

TEST(PlotTest, RangeLabels) {
    const LimitTexts logLog{"1.0E-02", "1.0E+03", "1.0E-01", "1.0E+01"},
        semiLog{"x", "y", "1.0E00", "1.0E+02"};
    const struct {
        const char* name;
        double xs, xe, ys, ye;
        int mode;
        RangeLabels expected;
        LimitTexts texts = {};
    } cases[] = {
        {"plain values", 0.5, 12.5, -3, 4, 1, {"0.5", "12.5", "-3", "4"}},
        {"inclusive bound", -1000, 1000, 0, 1000.5, 1, {"-1000", "1000", "0", "1.0E+03"}},
        {"beyond the bound", 2500, 12345, -2500, -1500, 1, {"2.5E+03", "1.2E+04", "-2.5E+03", "-1.5E+03"}},
        // Logarithmic axes show the box texts.
        {"log-log", 0.01, 1000, 0.1, 10, 4, {"1.0E-02", "1.0E+03", "1.0E-01", "1.0E+01"}, logLog},
        {"semi-log", 0.5, 2500, 1, 100, 2, {"0.5", "2.5E+03", "1.0E00", "1.0E+02"}, semiLog},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Module1 s = stateOn(c.xs, c.xe, 1, c.ys, c.ye, 1);
        s.ScaleMode = c.mode;
        RecordingCanvas canvas;
        EXPECT_EQ(labelTexts(PlotPointsForMode(s, canvas, c.texts)), labelTexts(c.expected));
    }
}

TEST(PlotTest, DenseOrBrokenGridsStayBounded) {
    const double inf = HUGE_VAL, nan = std::nan("");
    const struct {
        const char* name;
        double start, stop, step;
        size_t maxLines;
        float lastAbove; // the thinned grid still reaches this far along the axis
    } cases[] = {
        {"step 1E-12 on length 10", 0, 10, 1e-12, 609, 9.9f},
        {"step 1E-300", 0, 10, 1e-300, 609, 9.9f},
        {"denormal step", 0, 10, 4.9e-324, 609, -1},
        {"huge start, tiny step", 1e20, 1e20 + 1e6, 1, 609, -1},
        {"infinite step", 0, 10, inf, 0, -1},
        {"NaN step", 0, 10, nan, 0, -1},
        {"negative step", 0, 10, -1, 0, -1},
        {"NaN stop", 0, nan, 1, 0, -1},
        {"infinite stop", 0, inf, 1, 0, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Module1 s = stateOn(c.start, c.stop, c.step, 0, 1, 0.5);
        RecordingCanvas canvas;
        const auto t0 = std::chrono::steady_clock::now();
        PlotPointsLinLin(s, canvas, {});
        EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(1));
        const auto lines = testing::VerticalLinesAt(canvas, kGridGrey);
        EXPECT_LE(lines.size(), c.maxLines);
        for (float x : lines)
            EXPECT_LE(x, float(c.stop));
        if (c.lastAbove >= 0) {
            ASSERT_FALSE(lines.empty());
            EXPECT_GT(lines.back(), c.lastAbove);
            EXPECT_GT(lines.size(), 300u);
        }
    }

    // Logarithmic spans of absurd size, or a decade length that was never set.
    const LimitTexts hugeSpan{"1.0E-99", "1.0E+99", "1.0E00", "1.0E+01"},
        threeDecades{"1.0E00", "1.0E+03", "1.0E00", "1.0E+01"};
    const struct {
        const char* name;
        LimitTexts texts;
        double ln10;
        size_t maxLines;
    } logCases[] = {
        {"198 decades on 100 pixels are thinned", hugeSpan, kLn10, 10 * 102},
        {"decade length 0", threeDecades, 0, 10},
        {"negative decade length", threeDecades, -1, 10},
    };
    for (const auto& c : logCases) {
        SCOPED_TRACE(c.name);
        Module1 s = stateOn(1, 10, 1, 1, 10, 1);
        s.Ln10 = c.ln10;
        RecordingCanvas canvas(100, 100);
        const auto t0 = std::chrono::steady_clock::now();
        PlotPointsLogLog(s, canvas, c.texts);
        EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(1));
        EXPECT_LE(testing::VerticalLinesAt(canvas, kGridGrey).size(), c.maxLines);
    }
}

struct CurveCase {
    const char* name;
    void (*plot)(const Module1&, GraphCanvas&);
    double ox, oy; // ln XStart, ln YStart where the axis is logarithmic
};

TEST(PlotCurve, PolylineFromADotThroughEverySample) {
    Module1 s = stateOn(0.1, 100, 10, 1, 1000, 10);
    s.SampleCount = 100;
    for (int j = 1; j <= 100; ++j) {
        s.CurveX[j] = 1 + 0.07 * j;
        s.CurveY[j] = std::sin(j * 0.1);
    }
    s.CurveX[101] = 99; // beyond SampleCount: never drawn
    const CurveCase cases[] = {
        {"lin-lin", PlotCurveLinLin, 0, 0},
        {"lin-log", PlotCurveLinLog, 0, 0},
        {"log-lin", PlotCurveLogLin, std::log(0.1), 0},
        {"log-log", PlotCurveLogLog, std::log(0.1), 0},
    };
    for (const CurveCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingCanvas canvas;
        canvas.setLineWidth(2);
        c.plot(s, canvas);
        const auto dot = onlyCall(canvas, Kind::Dot);
        EXPECT_EQ(std::tuple(dot.colour, dot.width), std::tuple(kCurveBlue, 2));
        EXPECT_FLOAT_EQ(dot.a, float(s.CurveX[1] - c.ox));
        EXPECT_FLOAT_EQ(dot.b, float(s.CurveY[1] - c.oy));
        const auto segments = testing::CallsOf(canvas, Kind::LineTo);
        ASSERT_EQ(segments.size(), 99u);
        EXPECT_FLOAT_EQ(segments.back().a, float(s.CurveX[100] - c.ox));
        EXPECT_FLOAT_EQ(segments.back().b, float(s.CurveY[100] - c.oy));
        EXPECT_EQ(testing::CallsOf(canvas, Kind::Scale).size(), 0u) << "draws into the point plot's scale";
    }
}

TEST(PlotCurve, FewSamplesGiveOnlyTheDotAndBadCountsAreClamped) {
    const struct {
        int sampleCount;
        size_t segments;
    } cases[] = {{0, 0}, {1, 0}, {2, 1}, {600, 599}, {5000, 599}, {-3, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sampleCount);
        Module1 s = baseState();
        s.ScaleMode = 1;
        setX(s, 0, 10, 1);
        s.SampleCount = c.sampleCount;
        s.CurveX[1] = 1, s.CurveY[1] = 2.5;
        RecordingCanvas canvas;
        PlotCurveForMode(s, canvas);
        EXPECT_EQ(testing::CallsOf(canvas, Kind::Dot).size(), 1u);
        EXPECT_EQ(testing::CallsOf(canvas, Kind::LineTo).size(), c.segments);
    }
}

TEST(PlotCurve, LogAxisWithoutALogarithmicStartDrawsNothing) {
    // An X start that came back from the engine as 0: no NaN reaches the graph area.
    Module1 s = baseState();
    s.ScaleMode = 3;
    setX(s, 0, 100, 10);
    s.SampleCount = 3;
    RecordingCanvas canvas;
    PlotCurveForMode(s, canvas);
    EXPECT_TRUE(canvas.calls().empty());
}

Module1 savedState(int mode) {
    Module1 s = stateOn(0.01, 1000, 10, 0.01, 1000, 10);
    s.ScaleMode = mode;
    s.XStartText = s.YStartText = "1.0E-02";
    s.XStopText = s.YStopText = "1.0E+03";
    s.SampleCount = 2;
    s.CurveX[0] = 77; // the browser keeps a plot position here; it is not a sample
    s.CurveX[1] = 0, s.CurveY[1] = 0;
    s.CurveX[2] = 1, s.CurveY[2] = 1;
    return s;
}

TEST(PlotSaved, LogLogGraphAndTheShiftedFirstSample) {
    Module1 s = savedState(4);
    RecordingCanvas canvas;
    const RangeLabels labels = PlotSavedForMode(s, canvas);
    EXPECT_EQ(std::tuple(labels.xStart, labels.yStop), std::tuple("1.0E-02", "1.0E+03"));
    const auto scale = onlyCall(canvas, Kind::Scale);
    EXPECT_FLOAT_EQ(scale.c, float(1.1 * 5 * kLn10));
    EXPECT_EQ(testing::VerticalLinesAt(canvas, kGridGrey), logPositions(6));
    const auto frame = onlyCall(canvas, Kind::Frame);
    EXPECT_FLOAT_EQ(frame.c, float(5 * kLn10));
    const auto dot = onlyCall(canvas, Kind::Dot);
    EXPECT_NEAR(dot.a, 4.60517, 1e-5);
    EXPECT_NEAR(dot.b, 4.60517, 1e-5);
    EXPECT_EQ(std::tuple(dot.width, dot.colour), std::tuple(2, kCurveBlue));
    ASSERT_EQ(testing::CallsOf(canvas, Kind::LineTo).size(), 1u);
    EXPECT_EQ(testing::LineWidthInForce(canvas), 2) << "left at 2 for the browser's point button";
}

TEST(PlotSaved, WidthSequenceAndNoPointsNoRequest) {
    Module1 s = savedState(1);
    setX(s, 0, 10, 1);
    setY(s, -100, 150, 50);
    s.PointCount = 3; // the browser draws points with a button of its own
    RecordingCanvas canvas;
    EXPECT_EQ(labelTexts(PlotSavedLinLin(s, canvas)), labelTexts({"0", "10", "-100", "1.5E+02"}));
    std::vector<int> widths;
    for (const auto& call : testing::CallsOf(canvas, Kind::LineWidth))
        widths.push_back(call.width);
    EXPECT_EQ(widths, (std::vector<int>{1, 2, 1, 2}));
    EXPECT_EQ(testing::VerticalLinesAt(canvas, kGridGrey), floats({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(testing::HorizontalLinesAt(canvas, kGridGrey), floats({-50, 0, 50, 100}));
    for (const auto& d : testing::CallsOf(canvas, Kind::Dot))
        EXPECT_EQ(d.colour, kCurveBlue);
}

TEST(PlotSaved, PointsAtTheirStoredPlotPositions) {
    Module1 s = savedState(4);
    s.PointCount = 2; // already in plot space: no logarithm, no shift
    s.XPlotData[1] = 0.5, s.YPlotData[1] = -1;
    s.XPlotData[2] = 3, s.YPlotData[2] = 4;
    RecordingCanvas canvas;
    PlotSavedPoints(s, canvas);
    const auto& calls = canvas.calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(std::tuple(calls[0].kind, calls[0].width), std::tuple(Kind::LineWidth, 10));
    for (int i : {1, 2}) {
        EXPECT_EQ(std::tuple(calls[std::size_t(i)].kind, calls[std::size_t(i)].a, calls[std::size_t(i)].b,
                             calls[std::size_t(i)].colour),
                  std::tuple(Kind::Dot, float(s.XPlotData[i]), float(s.YPlotData[i]), kPointRed));
    }
    EXPECT_EQ(testing::LineWidthInForce(canvas), 1);
}

TEST(PlotSaved, EmptyOrNonPositiveStepLeavesOnlyTheFrame) {
    for (double step : {0.0, -2.0}) {
        SCOPED_TRACE(step);
        Module1 s = savedState(2);
        s.XStepText = "";
        setX(s, 0, 10, step);
        RecordingCanvas canvas;
        PlotSavedLinLog(s, canvas);
        EXPECT_TRUE(testing::VerticalLinesAt(canvas, kGridGrey).empty());
        EXPECT_EQ(testing::HorizontalLinesAt(canvas, kGridGrey).size(), 60u);
        EXPECT_EQ(testing::CallsOf(canvas, Kind::Frame).size(), 1u);
    }
}

TEST(PlotSaved, SemiLogModesUseTheRightOffsetsAndLabels) {
    const struct {
        int mode;
        RangeLabels (*plot)(const Module1&, GraphCanvas&);
        float dotX, dotY;
        const char *xLabel, *yLabel;
    } cases[] = {
        {2, PlotSavedLinLog, 0.5f, float(std::log(0.5) - std::log(0.01)), "1.5E+02", "1.0E-02"},
        {3, PlotSavedLogLin, float(std::log(0.5) - std::log(0.01)), 0.5f, "1.0E-02", "1.5E+02"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        Module1 s = savedState(c.mode);
        s.CurveX[1] = c.mode == 2 ? 0.5 : std::log(0.5);
        s.CurveY[1] = c.mode == 2 ? std::log(0.5) : 0.5;
        setX(s, c.mode == 2 ? 150 : 0.01, 1000, 100);
        setY(s, c.mode == 3 ? 150 : 0.01, 1000, 100);
        RecordingCanvas canvas;
        const RangeLabels labels = c.plot(s, canvas);
        const auto dot = onlyCall(canvas, Kind::Dot);
        EXPECT_FLOAT_EQ(dot.a, c.dotX);
        EXPECT_FLOAT_EQ(dot.b, c.dotY);
        EXPECT_EQ(std::tuple(labels.xStart, labels.yStart), std::tuple(c.xLabel, c.yLabel));
    }
}

} // namespace
} // namespace mirendo
