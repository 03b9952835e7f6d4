#pragma once
// Which of the main window's steps ④..⑧ may be pressed. The steps come on one after the other as
// the calculation goes on; a step's result belongs to the inputs it was made for (scale mode,
// setting texts, points), so once the window shows other inputs the steps that would act on it
// stay off until the earlier steps have made a new one.
#include "core/state/SettingTexts.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace mirendo {

// What one calculation is made for: the scale mode, the setting boxes as they stand and the
// points in use.
struct CalculationInputs {
    int mode = 0;
    SettingTexts settings;
    std::vector<std::pair<double, double>> points;
    bool operator==(const CalculationInputs&) const = default;
};

// ④ settings OK, ⑤ plot points, ⑥ run the engine, ⑦ plot the curve, ⑧ save the data.
enum class Step { SettingsOk, PlotPoints, RunEngine, PlotCurve, SaveData };
inline constexpr int kStepCount = 5;
using EnabledSteps = std::array<bool, kStepCount>;

class CalculationSteps {
  public:
    // The events, in the order a calculation meets them.
    void Reset();             // every step off, nothing made yet
    void PointsGiven();       // points published by an input dialog are in use
    void PointsWithdrawn();   // a new input began, a read failed or the input was cancelled
    void InputAccepted();     // an input dialog's OK: ④ may be pressed once points are in use
    void SettingsConfirmed(); // ④ ended without a refusal
    void PlotStarted();       // ⑤ pressed: the graph, the request and any result are gone
    void PointsPlotted(const CalculationInputs& inputs); // ⑤ wrote the request for `inputs`
    void EngineStarted();                                // ⑥ started the engine on that request
    void CurveDrawn();                                   // ⑦ drew the result of that run

    // Each step's button, for the inputs the window shows `now`.
    EnabledSteps Enabled(const CalculationInputs& now) const;
    // A curve is on the graph (drawn for some inputs, maybe not those shown now).
    bool CurveOnGraph() const { return m_drawn.has_value(); }
    // The curve on the graph was drawn for `now`.
    bool CurveCurrent(const CalculationInputs& now) const { return madeFor(m_drawn, now); }
    // A result of this scale mode and point count answers the last engine run.
    bool Answers(int scaleMode, int pointCount) const;

  private:
    bool madeFor(const std::optional<CalculationInputs>& made, const CalculationInputs& now) const;
    void want(Step step, bool on) { m_wanted[int(step)] = on; }

    EnabledSteps m_wanted{}; // each button as the step sequence wants it, before the input checks
    bool m_pointsInUse = false;
    std::optional<CalculationInputs> m_plotted;   // the request file written by the last point plot
    std::optional<CalculationInputs> m_computing; // what the engine was last started for
    std::optional<CalculationInputs> m_drawn;     // the curve on the graph
};

} // namespace mirendo
