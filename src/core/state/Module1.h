#pragma once
// The program-wide state of Mirendo. One instance is created at start-up and shared by every
// window; field names are the ones the whole team uses when talking about the program.
#include <algorithm>
#include <array>
#include <string>
#include <tuple>

namespace mirendo {

enum class AxisKind { Linear, Logarithmic };

struct AxisKinds {
    AxisKind x;
    AxisKind y;
};

// Scale modes 1 " Linear - Linear", 2 " Linear - Log", 3 " Log - Linear", 4 " Log - Log"
// (X axis first). Any other value is treated as 4, as the curve and saved plots do.
inline AxisKinds AxesOfScaleMode(int scaleMode) {
    switch (scaleMode) {
    case 1:
        return {AxisKind::Linear, AxisKind::Linear};
    case 2:
        return {AxisKind::Linear, AxisKind::Logarithmic};
    case 3:
        return {AxisKind::Logarithmic, AxisKind::Linear};
    default:
        return {AxisKind::Logarithmic, AxisKind::Logarithmic};
    }
}

struct Module1 {
    static constexpr int kMaxPoints = 10;
    static constexpr int kMaxCoefs = 15;
    static constexpr int kMaxSamples = 600;
    static constexpr double kLn10 = 2.3025851; // stored decade length, deliberately not exact ln 10

    // Points as entered; index 0 unused (it stays 0 unless a correction writes it), data from 1.
    int PointCount = 0;
    std::array<double, kMaxPoints + 1> XData{};
    std::array<double, kMaxPoints + 1> YData{};
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;

    int ScaleMode = 0;

    std::array<double, kMaxPoints + 1> XPlotData{};
    std::array<double, kMaxPoints + 1> YPlotData{};

    double XStart = 0, XStop = 0, XStep = 0, YStart = 0, YStop = 0, YStep = 0;
    std::string XStartText, XStopText, XStepText, YStartText, YStopText, YStepText;

    std::array<double, kMaxPoints + 1> ResultX{};
    std::array<double, kMaxPoints + 1> ResultY{};
    std::array<double, kMaxCoefs + 1> Coef{};
    int SampleCount = 0;
    std::array<double, kMaxSamples + 1> CurveX{};
    std::array<double, kMaxSamples + 1> CurveY{};
    double CurveXMin = 0, CurveXMax = 0, CurveYMin = 0, CurveYMax = 0;

    double Ln10 = kLn10; // decade length of logarithmic axes; the start window's load sets it too
    int GraphDrawn = 0;  // 1 while a curve is on a graph: the cursor readout works only then
    int EntryNo = 0;
    std::string FilePath;

    // The six graph settings in the order of the setting boxes Text5..Text10 (X start, stop, step,
    // Y start, stop, step): the one place that stores them as a whole.
    void StoreSettingTexts(const std::array<std::string, 6>& texts) {
        std::tie(XStartText, XStopText, XStepText, YStartText, YStopText, YStepText) =
            std::tie(texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]);
    }
    void StoreSettingValues(const std::array<double, 6>& values) {
        std::tie(XStart, XStop, XStep, YStart, YStop, YStep) =
            std::tie(values[0], values[1], values[2], values[3], values[4], values[5]);
    }

    // Counts clamped to the capacities. Every loop over the arrays uses these, so a count that
    // holds something else (a line count after a failed read, say) can never index past them.
    int PointsInUse() const { return std::clamp(PointCount, 0, kMaxPoints); }
    int SamplesInUse() const { return std::clamp(SampleCount, 0, kMaxSamples); }
};

} // namespace mirendo
