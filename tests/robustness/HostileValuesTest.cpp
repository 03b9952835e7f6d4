// Hostile values through the plain libraries, from ordered points to the request, the
// engine, the result, the archive and the evaluation: nothing crashes and nothing non-finite
// reaches a text the user sees.
#include "core/archive/ArchiveReader.h"
#include "core/archive/ArchiveWriter.h"
#include "core/curve/EvaluateAtX.h"
#include "core/engine/EngineRun.h"
#include "core/exchange/RequestFile.h"
#include "core/exchange/ResultFile.h"
#include "core/input/Ordering.h"
#include "core/state/Module1.h"
#include "core/text/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace mirendo {
namespace {

bool ShowsNonFinite(const std::string& text) {
    for (const char* word : {"nan", "NaN", "inf", "Inf", "INF"})
        if (text.find(word) != std::string::npos)
            return true;
    return false;
}

// Points as the input dialogs leave them, through every later step in one scale mode.
struct FlowCase {
    const char* name;
    int mode;
    std::vector<double> xs, ys;
    bool engineSucceeds;
};

class HostileFlow : public ::testing::TestWithParam<FlowCase> {};

TEST_P(HostileFlow, FromOrderedPointsToTheEvaluation) {
    const FlowCase& c = GetParam();
    auto state = std::make_unique<Module1>();
    state->PointCount = static_cast<int>(c.xs.size());
    for (int i = 1; i <= state->PointCount; ++i) {
        state->XData[i] = c.xs[static_cast<size_t>(i - 1)];
        state->YData[i] = c.ys[static_cast<size_t>(i - 1)];
        UpdateRange(*state, i);
    }
    OrderPointsIfNeeded(*state);
    for (int i = 1; i <= state->PointCount; ++i)
        ASSERT_TRUE(std::isfinite(state->XData[i])) << "ordering moved a point to " << state->XData[i];
    for (const std::string& text : RangeTexts(*state))
        EXPECT_FALSE(ShowsNonFinite(text)) << text;

    const AxisKinds axes = AxesOfScaleMode(c.mode);
    double xs[11] = {}, ys[11] = {};
    for (int i = 1; i <= state->PointCount; ++i) {
        xs[i] = axes.x == AxisKind::Logarithmic ? std::log(state->XData[i]) : state->XData[i];
        ys[i] = axes.y == AxisKind::Logarithmic ? std::log(state->YData[i]) : state->YData[i];
    }
    const std::string request = exchange::FormatRequest(c.mode, 1.0, 100.0, state->PointCount, xs, ys);
    std::string result;
    const engine::RunOutcome run = engine::RunOnRequestText(request, result);
    ASSERT_EQ(run.exitStatus == engine::kExitOk, c.engineSucceeds) << run.message;
    if (!c.engineSucceeds) {
        EXPECT_TRUE(result.empty());
        EXPECT_FALSE(run.message.empty());
        return;
    }
    const exchange::ResultRead loaded = exchange::ParseResult(result);
    ASSERT_TRUE(loaded.ok());
    const exchange::LoadedResult& r = loaded.value;
    state->ScaleMode = r.scaleMode;
    state->PointCount = r.pointCount;
    state->SampleCount = r.sampleCount;
    for (int i = 1; i <= r.pointCount; ++i) {
        state->ResultX[i] = r.x[i];
        state->ResultY[i] = r.y[i];
        state->Coef[i] = r.coef[i];
    }
    for (int j = 1; j <= r.sampleCount; ++j) {
        ASSERT_TRUE(std::isfinite(r.t[j]) && std::isfinite(r.p[j]));
        state->CurveX[j] = r.t[j];
        state->CurveY[j] = r.p[j];
    }
    const SettingTexts settings = {"1.0E00", "1.0E+02", "", "1.0E00", "1.0E+02", ""};
    const ArchiveFormat saved = FormatArchive(*state, settings);
    ASSERT_TRUE(saved.ok());
    const ArchiveRead reopened = ParseArchive(saved.value);
    ASSERT_TRUE(reopened.ok());
    auto browsed = std::make_unique<Module1>();
    LoadSavedPlot(reopened.value, "reopened-Mi.csv", *browsed);
    for (const char* typed : {"0", "1", "-1E+30", "1E+30", "1E-30", "1e400", "NaN", ""}) {
        const Evaluation e = EvaluateAtX(*browsed, typed);
        if (e.ok) {
            EXPECT_TRUE(std::isfinite(e.y)) << typed;
            EXPECT_FALSE(ShowsNonFinite(e.text)) << typed << ": " << e.text;
        } else {
            EXPECT_TRUE(e.text.empty()) << typed;
        }
    }
}

const FlowCase kFlowCases[] = {
    {"HugeOrdinates", 1, {1, 2, 3}, {1e30, -1e30, 1e-30}, true},
    {"HugeAbscissaeOverflowTheEngine", 1, {-1e30, 1e-30, 1e30}, {1, 2, 3}, false},
    {"TinyAbscissaeUnderflowToADivisionByZero", 1, {1e-30, 2e-30, 3e-30}, {1, 2, 3}, false},
    {"LogLogOverThirtyDecades", 4, {1e-30, 1, 1e30}, {1e30, 1, 1e-30}, true},
    {"LinLogHugeRange", 2, {1, 2, 3, 4}, {1e-30, 1e30, 1e-30, 1e30}, true},
    {"DescendingEqualAndExtreme", 1, {1e30, 1e30, -1e30}, {1, 2, 3}, false},
    {"TenPointsAcrossTheDoubleRange",
     3,
     {1e-300, 1e-200, 1e-100, 1e-10, 1, 1e10, 1e100, 1e200, 1e300, 1.7e308},
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
     true},
};

INSTANTIATE_TEST_SUITE_P(Robustness, HostileFlow, ::testing::ValuesIn(kFlowCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace mirendo
