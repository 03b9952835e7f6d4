#include "core/steps/CalculationSteps.h"

namespace mirendo {

void CalculationSteps::Reset() {
    *this = CalculationSteps();
}

void CalculationSteps::PointsGiven() {
    m_pointsInUse = true;
    want(Step::SettingsOk, true);
}

void CalculationSteps::PointsWithdrawn() {
    m_pointsInUse = false;
}

void CalculationSteps::InputAccepted() {
    want(Step::SettingsOk, true);
}

void CalculationSteps::SettingsConfirmed() {
    want(Step::PlotPoints, true);
}

void CalculationSteps::PlotStarted() {
    // Whatever this plot ends in, the request file and any result belong to earlier inputs until
    // it has written a new request.
    m_plotted.reset();
    m_computing.reset();
    m_drawn.reset();
}

void CalculationSteps::PointsPlotted(const CalculationInputs& inputs) {
    m_plotted = inputs;
    want(Step::PlotPoints, false); // plotting again asks for the settings to be confirmed again
    want(Step::RunEngine, true);
}

void CalculationSteps::EngineStarted() {
    m_computing = m_plotted;
    want(Step::PlotCurve, true);
    want(Step::SaveData, true);
}

void CalculationSteps::CurveDrawn() {
    m_drawn = m_computing;
    want(Step::SaveData, true);
}

bool CalculationSteps::madeFor(const std::optional<CalculationInputs>& made,
                               const CalculationInputs& now) const {
    return m_pointsInUse && made && *made == now;
}

EnabledSteps CalculationSteps::Enabled(const CalculationInputs& now) const {
    const EnabledSteps allowed = {m_pointsInUse, m_pointsInUse, madeFor(m_plotted, now),
                                  madeFor(m_computing, now), madeFor(m_drawn, now)};
    EnabledSteps enabled{};
    for (int i = 0; i < kStepCount; ++i)
        enabled[i] = m_wanted[i] && allowed[i];
    return enabled;
}

bool CalculationSteps::Answers(int scaleMode, int pointCount) const {
    return m_computing && scaleMode == m_computing->mode && pointCount == int(m_computing->points.size());
}

} // namespace mirendo
