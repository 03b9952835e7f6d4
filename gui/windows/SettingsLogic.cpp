#include "windows/SettingsLogic.h"

#include "state/CurveExtremes.h"

#include "state/NumberText.h"

#include <cmath>

namespace mirendo {

SettingValues ReadSettings(const SettingTexts& t) {
    return {LeadingNumber(t.xStart), LeadingNumber(t.xStop), LeadingNumber(t.xStep),
            LeadingNumber(t.yStart), LeadingNumber(t.yStop), LeadingNumber(t.yStep)};
}

bool LimitsInOrder(const SettingValues& v) {
    return v.xStart < v.xStop && v.yStart < v.yStop;
}

void ReplaceNonPositiveSteps(SettingValues& v) {
    if (v.xStep <= 0)
        v.xStep = v.xStop - v.xStart;
    if (v.yStep <= 0)
        v.yStep = v.yStop - v.yStart;
}

bool LogLimitsPositive(int scaleMode, const SettingValues& v) {
    const AxisKinds axes = AxesOfScaleMode(scaleMode);
    if (axes.x == AxisKind::Logarithmic && (v.xStart <= 0 || v.xStop <= 0))
        return false;
    if (axes.y == AxisKind::Logarithmic && (v.yStart <= 0 || v.yStop <= 0))
        return false;
    return true;
}

void StoreSettings(Module1& s, const SettingValues& v) {
    s.XStart = v.xStart;
    s.XStop = v.xStop;
    s.XStep = v.xStep;
    s.YStart = v.yStart;
    s.YStop = v.yStop;
    s.YStep = v.yStep;
}

SettingValues StoredSettings(const Module1& s) {
    return {s.XStart, s.XStop, s.XStep, s.YStart, s.YStop, s.YStep};
}

void FillEmptyLimits(SettingTexts& t, const std::array<std::string, 4>& range) {
    if (t.xStart.empty())
        t.xStart = range[0];
    if (t.xStop.empty())
        t.xStop = range[1];
    if (t.yStart.empty())
        t.yStart = range[2];
    if (t.yStop.empty())
        t.yStop = range[3];
}

namespace {

// Exponent of a "0.0E+00" text, read from its last three characters: "E-02" gives -2, "E+00" 0;
// with a three-digit exponent these are its digits without the sign.
int ExponentOfLastThree(const std::string& text) {
    const std::string tail = text.size() > 3 ? text.substr(text.size() - 3) : text;
    return static_cast<int>(LeadingNumber(tail));
}

// "1.0E" and the exponent: a plus sign and two digits above 0, else two digits ("00", "-02").
std::string DecadeText(int exponent) {
    return "1.0E" + (exponent > 0 ? FormatSigned2(exponent) : FormatPlain2(exponent));
}

bool StartsWithOnePointZero(const std::string& text) {
    return text.rfind("1.0", 0) == 0;
}

std::string AsOneDecimalExponential(const std::string& boxText) {
    return FormatExponential(LeadingNumber(boxText), 1);
}

std::string DecadeStartOfFormatted(const std::string& formatted) {
    if (StartsWithOnePointZero(formatted))
        return formatted;
    return DecadeText(ExponentOfLastThree(formatted));
}

std::string DecadeStopOfFormatted(const std::string& formatted) {
    if (StartsWithOnePointZero(formatted))
        return formatted;
    return DecadeText(ExponentOfLastThree(formatted) + 1);
}

} // namespace

std::string DecadeStartText(const std::string& boxText) {
    return DecadeStartOfFormatted(AsOneDecimalExponential(boxText));
}

std::string DecadeStopText(const std::string& boxText) {
    return DecadeStopOfFormatted(AsOneDecimalExponential(boxText));
}

void RewriteLogLimits(int scaleMode, SettingTexts& t) {
    const bool logX = scaleMode == 3 || scaleMode == 4;
    const bool logY = scaleMode == 2 || scaleMode == 4;
    // Each box depends only on its own text, so formatting all first and then rewriting
    // gives the same boxes as doing it box by box.
    if (logX) {
        t.xStart = DecadeStartText(t.xStart);
        t.xStop = DecadeStopText(t.xStop);
    }
    if (logY) {
        t.yStart = DecadeStartText(t.yStart);
        t.yStop = DecadeStopText(t.yStop);
    }
}

bool XStepFixed(int scaleMode) {
    return scaleMode == 3 || scaleMode == 4;
}
bool YStepFixed(int scaleMode) {
    return scaleMode == 2 || scaleMode == 4;
}

std::string NextFocusAfterEnter(const std::string& box, int scaleMode) {
    if (box == "Text5")
        return "Text6";
    if (box == "Text6")
        return XStepFixed(scaleMode) ? "Text8" : "Text7";
    if (box == "Text7")
        return "Text8";
    if (box == "Text8")
        return "Text9";
    if (box == "Text9")
        return YStepFixed(scaleMode) ? "Command3" : "Text10";
    if (box == "Text10")
        return "Command3";
    return {};
}

void ComputeLogCopies(Module1& s) {
    for (int i = 1; i <= s.PointsInUse(); ++i) {
        if (s.XData[i] > 0)
            s.XPlotData[i] = std::log(s.XData[i]);
        if (s.YData[i] > 0)
            s.YPlotData[i] = std::log(s.YData[i]);
    }
}

std::string ResultProblem(const exchange::LoadedResult& r) {
    if (r.scaleMode < 1 || r.scaleMode > 4)
        return "scale mode " + std::to_string(r.scaleMode) + " is not 1 to 4";
    return {};
}

void ApplyLoadedResult(Module1& s, const exchange::LoadedResult& r) {
    s.ScaleMode = r.scaleMode;
    const bool logX = AxesOfScaleMode(r.scaleMode).x == AxisKind::Logarithmic;
    if (!logX || r.xStart > 0)
        s.XStart = r.xStart;
    if (!logX || r.xStop > 0)
        s.XStop = r.xStop;
    s.PointCount = r.pointCount;
    for (int i = 1; i <= s.PointsInUse(); ++i) {
        s.ResultX[i] = r.x[i];
        s.ResultY[i] = r.y[i];
        s.Coef[i] = r.coef[i];
    }
    s.SampleCount = r.sampleCount;
    for (int j = 1; j <= s.SamplesInUse(); ++j) {
        s.CurveX[j] = r.t[j];
        s.CurveY[j] = r.p[j];
    }
    ComputeCurveExtremes(s);
}

} // namespace mirendo
