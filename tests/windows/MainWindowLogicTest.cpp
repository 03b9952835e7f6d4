// The main window's plain logic: the step sequence, decade rewriting, filling empty limits,
// validation, the Enter path, log copies and taking over a loaded result.
#include "core/steps/CalculationSteps.h"
#include "core/steps/FocusOrder.h"
#include "core/steps/GraphSettings.h"
#include "core/steps/ResultImport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>

namespace mirendo {
namespace {

struct DecadeCase {
    const char *name, *box, *asStart, *asStop;
};

class DecadeRewriting : public ::testing::TestWithParam<DecadeCase> {};

TEST_P(DecadeRewriting, StartAndStopBoxes) {
    const DecadeCase& c = GetParam();
    EXPECT_EQ(std::tuple(DecadeStartText(c.box), DecadeStopText(c.box)), std::tuple(c.asStart, c.asStop));
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, DecadeRewriting,
    ::testing::Values(DecadeCase{"FiveHundredths", "0.05", "1.0E-02", "1.0E-01"},
                      DecadeCase{"TwoHundredFifty", "250", "1.0E+02", "1.0E+03"},
                      DecadeCase{"Zero", "0", "1.0E00", "1.0E+01"},
                      DecadeCase{"NegativeStart", "-5", "1.0E00", "1.0E+01"},
                      DecadeCase{"HalfGoesUpOneDecade", "0.5", "1.0E-01", "1.0E00"},
                      DecadeCase{"AlreadyADecade", "1.0E+02", "1.0E+02", "1.0E+02"},
                      DecadeCase{"TwoDecimalsReformatted", "1.00E+02", "1.0E+02", "1.0E+02"},
                      DecadeCase{"PlainHundred", "100", "1.0E+02", "1.0E+02"},
                      DecadeCase{"ZeroDecadeWithoutSign", "1.0E00", "1.0E+00", "1.0E+00"},
                      DecadeCase{"ThreeDigitExponentUnchanged", "1.0E+100", "1.0E+100", "1.0E+100"},
                      // Only the last three characters are read: the exponent's digits, not its sign.
                      DecadeCase{"ThreeDigitNegativeExponent", "5.0E-100", "1.0E+100", "1.0E+101"},
                      DecadeCase{"RoundsUpIntoNextDecade", "9.96", "1.0E+01", "1.0E+01"},
                      DecadeCase{"TypedWithTrailingText", "2e3abc", "1.0E+03", "1.0E+04"},
                      DecadeCase{"Blanks", "   ", "1.0E00", "1.0E+01"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RewriteLogLimits, TouchesOnlyTheLogarithmicAxes) {
    const SettingTexts typed{"0.05", "250", "2", "0.05", "250", "3"};
    const std::pair<int, SettingTexts> rows[] = {
        {1, {"0.05", "250", "2", "0.05", "250", "3"}},
        {2, {"0.05", "250", "2", "1.0E-02", "1.0E+03", "3"}},
        {3, {"1.0E-02", "1.0E+03", "2", "0.05", "250", "3"}},
        {4, {"1.0E-02", "1.0E+03", "2", "1.0E-02", "1.0E+03", "3"}},
    };
    for (const auto& [mode, expected] : rows) {
        SettingTexts texts = typed;
        RewriteLogLimits(mode, texts);
        EXPECT_EQ(texts, expected) << "mode " << mode;
    }
}

TEST(RewriteLogLimits, NegativeStartAndZeroStopOnLogY) {
    SettingTexts texts{"0", "10", "1", "-5", "0", "10"};
    RewriteLogLimits(2, texts);
    EXPECT_EQ(std::tuple(texts[kYStartBox], texts[kYStopBox]), std::tuple("1.0E00", "1.0E+01"));
}

TEST(FillEmptyLimits, OnlyTrulyEmptyLimitBoxesTakeTheRange) {
    const std::array<std::string, 4> range{"1.0", "8.0", "-3.0", "2.5"};
    SettingTexts texts{"", " ", "", "", "7", ""};
    FillEmptyLimits(texts, range);
    // Blanks are not empty; steps are never filled.
    EXPECT_EQ(texts, (SettingTexts{"1.0", " ", "", "-3.0", "7", ""}));
}

TEST(Validation, LimitsOrderStepsAndLogPositivity) {
    const struct {
        const char* name;
        SettingTexts texts;
        bool inOrder;
        double xStep, yStep; // steps <= 0 replaced only when the limits are in order
        bool positive[4];    // scale modes 1..4
    } rows[] = {
        {"Ordinary", {"0", "10", "2", "1", "100", "10"}, true, 2, 10, {true, true, false, false}},
        {"EmptyEverything", {"", "", "", "", "", ""}, false, 0, 0, {true, false, false, false}},
        {"EqualXLimits", {"5", "5", "1", "0", "1", "1"}, false, 1, 1, {true, false, true, false}},
        {"ZeroStepsSpanTheAxis", {"2", "12", "0", "-1", "3", "-4"}, true, 10, 4, {true, false, true, false}},
        {"ReversedKeepsSteps", {"5", "1", "-2", "0", "1", "0"}, false, -2, 0, {true, false, true, false}},
        {"Exponents", {"1E-2", "1e+03", "10", "0.5", "2", "abc"}, true, 10, 1.5, {true, true, true, true}},
    };
    for (const auto& row : rows) {
        for (int mode = 1; mode <= 4; ++mode) {
            const ValidatedSettings v = ValidateSettings(row.texts, mode);
            EXPECT_EQ(v.limitsInOrder, row.inOrder) << row.name;
            EXPECT_DOUBLE_EQ(v.values.xStep, row.xStep) << row.name;
            EXPECT_DOUBLE_EQ(v.values.yStep, row.yStep) << row.name;
            EXPECT_EQ(v.logLimitsPositive, row.positive[mode - 1]) << row.name << " mode " << mode;
        }
    }
}

TEST(UnusableSetting, NamesTheFirstBoxTheGraphCannotBeDrawnWith) {
    using F = SettingFault;
    const auto first = [](int mode, const SettingTexts& texts) {
        const auto refusal = UnusableSetting(texts, mode);
        return refusal ? std::pair{refusal->fault, int(refusal->box)} : std::pair{F::None, -1};
    };
    EXPECT_EQ(first(1, {"0", "12abc", "  ", "1", "5", "x"}), std::pair(F::NoNumber, 5)); // blanks read 0
    EXPECT_EQ(first(1, {"1e-400", "2e37", "", "1", "5", ""}), std::pair(F::Undrawable, 0));
    EXPECT_EQ(first(1, {"-1e37", "1e37", "1e400", "", "", ""}), std::pair(F::None, -1)); // steps unbounded
    EXPECT_EQ(first(3, {"1e-99", "1.5e308", "", "-5", "0", ""}), std::pair(F::Undrawable, 1));
    EXPECT_EQ(first(2, {"-5", "5", "", "5.0E-100", "-5", ""}), std::pair(F::Undrawable, 3));
    EXPECT_EQ(first(4, {"-5", "0", "", "1", "1e400", ""}), std::pair(F::Undrawable, 4)); // <= 0: later
}

TEST(PointsOutsideLimits, CountsPointsOffTheFrameByMoreThanADot) {
    Module1 s;
    s.PointCount = 3;
    s.XData = {0, 1, 2, 3};
    s.YData = {0, 1, 40, 200};
    EXPECT_EQ(PointsOutsideLimits(s, 1, {"1.01", "3", "", "1", "199", ""}), 0); // off by < 1 % of the axis
    EXPECT_EQ(PointsOutsideLimits(s, 1, {"0", "2.5", "", "10", "200", ""}), 2);
    EXPECT_EQ(PointsOutsideLimits(s, 4, {"1.0E00", "1.0E+01", "", "1.0E00", "1.0E+02", ""}), 1);
}

TEST(EnterPath, SkipsTheStepBoxesALogAxisFixes) {
    const struct {
        const char* from;
        const char* next[4]; // modes 1..4
    } rows[] = {
        {"Text5", {"Text6", "Text6", "Text6", "Text6"}},
        {"Text6", {"Text7", "Text7", "Text8", "Text8"}},
        {"Text7", {"Text8", "Text8", "Text8", "Text8"}},
        {"Text8", {"Text9", "Text9", "Text9", "Text9"}},
        {"Text9", {"Text10", "Command3", "Text10", "Command3"}},
        {"Text10", {"Command3", "Command3", "Command3", "Command3"}},
        {"List1", {"", "", "", ""}},
    };
    for (const auto& row : rows)
        for (int mode = 1; mode <= 4; ++mode)
            EXPECT_EQ(NextFocusAfterEnter(row.from, mode), row.next[mode - 1])
                << row.from << " mode " << mode;
}

TEST(ComputeLogCopies, NonPositiveValuesKeepTheirPreviousCopy) {
    Module1 s;
    s.PointCount = 3;
    s.XData = {0, 1, -2, std::exp(2.0)};
    s.YData = {0, 0, 10, 0.5};
    s.XPlotData = {0, 7, 7, 7};
    s.YPlotData = {0, 9, 9, 9};
    ComputeLogCopies(s);
    EXPECT_DOUBLE_EQ(s.XPlotData[1], 0);
    EXPECT_DOUBLE_EQ(s.XPlotData[2], 7);
    EXPECT_DOUBLE_EQ(s.XPlotData[3], 2);
    EXPECT_DOUBLE_EQ(s.YPlotData[1], 9);
    EXPECT_DOUBLE_EQ(s.YPlotData[2], std::log(10.0));
    EXPECT_DOUBLE_EQ(s.YPlotData[3], std::log(0.5));
    EXPECT_DOUBLE_EQ(s.XPlotData[4], 0); // beyond PointCount untouched
}

exchange::LoadedResult ThreePointResult(int mode, double xStart) {
    exchange::LoadedResult r;
    r.scaleMode = mode;
    r.xStart = xStart;
    r.xStop = 100;
    r.pointCount = 3;
    r.x = {0, 1, 4, 8};
    r.y = {0, 2.5, -3, 0.125};
    r.coef = {0, 0.1190476, 0.25, 0.004464286};
    r.sampleCount = 4;
    r.t = {0, 1, 3, 2, 7.5};
    r.p = {0, 2.5, -1, 4, -3};
    return r;
}

TEST(ApplyLoadedResult, TakesEverythingAndTheCurveExtremes) {
    Module1 s;
    s.CurveX[5] = 99; // beyond the new sample count: kept
    ApplyLoadedResult(s, ThreePointResult(1, 0.5));
    EXPECT_EQ(s.ScaleMode, 1);
    EXPECT_DOUBLE_EQ(s.XStart, 0.5);
    EXPECT_DOUBLE_EQ(s.XStop, 100);
    EXPECT_EQ(s.PointCount, 3);
    EXPECT_DOUBLE_EQ(s.ResultY[2], -3);
    EXPECT_DOUBLE_EQ(s.Coef[3], 0.004464286);
    EXPECT_EQ(s.SampleCount, 4);
    EXPECT_DOUBLE_EQ(s.CurveXMin, 1);
    EXPECT_DOUBLE_EQ(s.CurveXMax, 7.5);
    EXPECT_DOUBLE_EQ(s.CurveYMin, -3);
    EXPECT_DOUBLE_EQ(s.CurveYMax, 4);
    EXPECT_DOUBLE_EQ(s.CurveX[5], 99);
}

TEST(ApplyLoadedResult, ZeroEchoOfATinyLogXStartKeepsTheGraphsStart) {
    struct Row {
        int mode;
        double echoedStart, expectedStart;
    };
    // The graph was drawn from X start 1.0E-04, which the request carries as "0.0".
    const Row rows[] = {{3, 0, 1e-4}, {4, 0, 1e-4}, {4, -0.5, 1e-4}, {3, 0.001, 0.001}, {1, 0, 0}, {2, 0, 0}};
    for (const Row& row : rows) {
        Module1 s;
        s.XStart = 1e-4;
        ApplyLoadedResult(s, ThreePointResult(row.mode, row.echoedStart));
        EXPECT_DOUBLE_EQ(s.XStart, row.expectedStart) << "mode " << row.mode << " echo " << row.echoedStart;
    }
}

TEST(ApplyLoadedResult, NoSamplesTakesExtremesFromSampleOneAsItStands) {
    Module1 s;
    s.CurveX[1] = 3, s.CurveY[1] = -2;
    exchange::LoadedResult r = ThreePointResult(1, 0);
    r.pointCount = 1;
    r.sampleCount = 0;
    ApplyLoadedResult(s, r);
    EXPECT_EQ(std::tuple(s.CurveXMin, s.CurveXMax, s.CurveYMin, s.CurveYMax),
              std::tuple(3.0, 3.0, -2.0, -2.0));
}

TEST(ResultProblem, RefusesScaleModesOutsideOneToFour) {
    for (int mode : {0, 5, -1})
        EXPECT_TRUE(ResultProblem(ThreePointResult(mode, 1)).has_value()) << mode;
    for (int mode : {1, 2, 3, 4})
        EXPECT_FALSE(ResultProblem(ThreePointResult(mode, 1)).has_value()) << mode;
}

// Each row a run of events, then the steps ④..⑧ enabled for the inputs the window shows.
TEST(CalculationSteps, EnabledStepsFollowTheEventsAndTheInputsShown) {
    using Event = std::function<void(CalculationSteps&)>;
    const CalculationInputs same{1, {"0", "4", "1", "0", "6", "1"}, {{1, 2}, {2, 3}}};
    const Event Reset = &CalculationSteps::Reset, Given = &CalculationSteps::PointsGiven,
                Withdrawn = &CalculationSteps::PointsWithdrawn, Accepted = &CalculationSteps::InputAccepted,
                Confirmed = &CalculationSteps::SettingsConfirmed, Replot = &CalculationSteps::PlotStarted,
                Started = &CalculationSteps::EngineStarted, Drawn = &CalculationSteps::CurveDrawn;
    const Event Plotted = [&same](CalculationSteps& steps) { steps.PointsPlotted(same); };
    const CalculationInputs mode{2, same.settings, same.points},
        box{1, {"0", "5", "1", "0", "6", "1"}, same.points},
        points{1, same.settings, {{1, 2}, {2, 3}, {3, 5}}};
    const std::vector<Event> curve = {Reset, Given, Confirmed, Replot, Plotted, Started, Drawn};
    const auto then = [&curve](std::vector<Event> more) {
        more.insert(more.begin(), curve.begin(), curve.end());
        return more;
    };
    const struct {
        const char* name;
        std::vector<Event> events;
        const CalculationInputs& now;
        const char* enabled;        // the step numbers
        bool curveCurrent, answers; // a result of the mode and point count shown answers the run
    } rows[] = {
        {"Reset", {Reset}, same, "", false, false},
        {"DialogOkWithoutPoints", {Accepted, Confirmed}, same, "", false, false},
        {"PointsGiven", {Given}, same, "4", false, false},
        {"SettingsConfirmed", {Given, Confirmed}, same, "45", false, false},
        {"PointsPlotted", {Given, Confirmed, Replot, Plotted}, same, "46", false, false},
        {"PlotRefused", {Given, Confirmed, Replot}, same, "45", false, false},
        {"EngineStarted", {Given, Confirmed, Replot, Plotted, Started}, same, "467", false, true},
        {"BoxEditedWhileComputing", {Given, Confirmed, Replot, Plotted, Started}, box, "4", false, true},
        {"CurveDrawn", curve, same, "4678", true, true},
        {"ModeChosen", curve, mode, "4", false, false},
        {"BoxEdited", curve, box, "4", false, true},
        {"OtherPoints", curve, points, "4", false, false},
        {"OtherModeConfirmed", then({Confirmed}), mode, "45", false, false},
        {"Replotted", then({Confirmed, Replot}), same, "45", false, false},
        {"EngineRunAgain", then({Started}), same, "4678", true, true},
        {"InputCancelled", then({Withdrawn}), same, "", false, true},
        {"CancelledThenDialogOk", then({Withdrawn, Accepted}), same, "", false, true},
        {"SamePointsGivenAgain", then({Withdrawn, Given}), same, "4678", true, true},
        {"ResetAfterTheCurve", then({Reset}), same, "", false, false},
    };
    for (const auto& row : rows) {
        CalculationSteps steps;
        for (const Event& event : row.events)
            event(steps);
        std::string enabled;
        for (int i = 0; i < kStepCount; ++i)
            if (steps.Enabled(row.now)[i])
                enabled += char('4' + i);
        EXPECT_EQ(std::tuple(enabled, steps.CurveCurrent(row.now),
                             steps.Answers(row.now.mode, int(row.now.points.size()))),
                  std::tuple(std::string(row.enabled), row.curveCurrent, row.answers))
            << row.name;
    }
}

} // namespace
} // namespace mirendo
