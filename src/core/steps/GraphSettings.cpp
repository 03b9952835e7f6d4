#include "core/steps/GraphSettings.h"

#include "core/input/TypedValue.h"
#include "core/text/NumberText.h"

#include <cmath>

namespace mirendo {

namespace {

bool IsLog(AxisKind kind) {
    return kind == AxisKind::Logarithmic;
}

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

// A setting box reads as its leading number, full-width characters included; no number is 0.
double BoxValue(const std::string& boxText) {
    return TypedNumber(boxText).value_or(0);
}

std::string AsOneDecimalExponential(const std::string& boxText) {
    return FormatExponential(BoxValue(boxText), 1);
}

} // namespace

ValidatedSettings ValidateSettings(const SettingTexts& t, int scaleMode) {
    ValidatedSettings out;
    SettingValues& v = out.values;
    v = {BoxValue(t[kXStartBox]), BoxValue(t[kXStopBox]), BoxValue(t[kXStepBox]),
         BoxValue(t[kYStartBox]), BoxValue(t[kYStopBox]), BoxValue(t[kYStepBox])};
    out.limitsInOrder = v.xStart < v.xStop && v.yStart < v.yStop;
    if (out.limitsInOrder) {
        if (v.xStep <= 0)
            v.xStep = v.xStop - v.xStart;
        if (v.yStep <= 0)
            v.yStep = v.yStop - v.yStart;
    }
    const AxisKinds axes = AxesOfScaleMode(scaleMode);
    out.logLimitsPositive = !(IsLog(axes.x) && (v.xStart <= 0 || v.xStop <= 0)) &&
                            !(IsLog(axes.y) && (v.yStart <= 0 || v.yStop <= 0));
    return out;
}

void StoreSettings(Module1& s, const SettingValues& v) {
    s.StoreSettingValues({v.xStart, v.xStop, v.xStep, v.yStart, v.yStop, v.yStep});
}

void FillEmptyLimits(SettingTexts& t, const std::array<std::string, 4>& range) {
    const SettingBox limits[4] = {kXStartBox, kXStopBox, kYStartBox, kYStopBox};
    for (int i = 0; i < 4; ++i)
        if (t[limits[i]].empty())
            t[limits[i]] = range[i];
}

std::string DecadeStartText(const std::string& boxText) {
    const std::string formatted = AsOneDecimalExponential(boxText);
    return StartsWithOnePointZero(formatted) ? formatted : DecadeText(ExponentOfLastThree(formatted));
}

std::string DecadeStopText(const std::string& boxText) {
    const std::string formatted = AsOneDecimalExponential(boxText);
    return StartsWithOnePointZero(formatted) ? formatted : DecadeText(ExponentOfLastThree(formatted) + 1);
}

void RewriteLogLimits(int scaleMode, SettingTexts& t) {
    const AxisKinds axes = AxesOfScaleMode(scaleMode);
    // Each box depends only on its own text, so formatting all first and then rewriting
    // gives the same boxes as doing it box by box.
    if (IsLog(axes.x)) {
        t[kXStartBox] = DecadeStartText(t[kXStartBox]);
        t[kXStopBox] = DecadeStopText(t[kXStopBox]);
    }
    if (IsLog(axes.y)) {
        t[kYStartBox] = DecadeStartText(t[kYStartBox]);
        t[kYStopBox] = DecadeStopText(t[kYStopBox]);
    }
}

namespace {

// How far off the frame a point's centre may lie, as a part of the axis length, and still count
// as inside: about the radius of the dot.
constexpr double kFrameTolerance = 0.01;

constexpr SettingBox kLimitBoxes[4] = {kXStartBox, kXStopBox, kYStartBox, kYStopBox};

bool IsLimitBox(SettingBox box) {
    return box != kXStepBox && box != kYStepBox;
}

bool OnLogAxis(SettingBox box, const AxisKinds& axes) {
    return IsLimitBox(box) && IsLog(box <= kXStepBox ? axes.x : axes.y);
}

bool HoldsOnlyBlanks(const std::string& text) {
    return HalfWidthNumberText(text).find_first_not_of(" \t") == std::string::npos;
}

bool LimitDrawable(double value, bool logAxis) {
    if (!logAxis)
        return std::fabs(value) <= kLargestLinearLimit;
    // A limit of 0 or less is refused after the order test, with its own message.
    return value <= 0 || (value >= kSmallestLogLimit && value <= kLargestLogLimit);
}

// Whether `value` lies off one axis of the frame, in the plot space of that axis.
bool OffAxis(double value, bool logAxis, const std::string& startText, const std::string& stopText,
             double ln10) {
    const double start = BoxValue(startText);
    double at = value - start;
    double length = BoxValue(stopText) - start;
    if (logAxis) {
        if (!(value > 0) || !(start > 0))
            return true;
        at = std::log(value) - std::log(start);
        length = (ExponentOfLastThree(stopText) - ExponentOfLastThree(startText)) * ln10;
    }
    const double tolerance = kFrameTolerance * std::fabs(length);
    return at < -tolerance || at > length + tolerance;
}

} // namespace

std::optional<SettingRefusal> UnusableSetting(const SettingTexts& t, int scaleMode) {
    const AxisKinds axes = AxesOfScaleMode(scaleMode);
    for (std::size_t i = 0; i < t.size(); ++i) {
        const SettingBox box = SettingBox(i);
        const bool logAxis = OnLogAxis(box, axes);
        if (HoldsOnlyBlanks(t[box]))
            continue;
        const TypedValue typed = ReadTypedValue(t[box]);
        if (typed.fault == TypedFault::NoNumber)
            return SettingRefusal{SettingFault::NoNumber, box, logAxis};
        if (IsLimitBox(box) &&
            (typed.fault == TypedFault::BeyondDouble || !LimitDrawable(typed.value, logAxis)))
            return SettingRefusal{SettingFault::Undrawable, box, logAxis};
    }
    return std::nullopt;
}

std::optional<SettingRefusal> NonPositiveLogLimit(const SettingValues& v, int scaleMode) {
    const AxisKinds axes = AxesOfScaleMode(scaleMode);
    const double values[4] = {v.xStart, v.xStop, v.yStart, v.yStop};
    for (int i = 0; i < 4; ++i)
        if (OnLogAxis(kLimitBoxes[i], axes) && values[i] <= 0)
            return SettingRefusal{SettingFault::NotPositiveOnLog, kLimitBoxes[i], true};
    return std::nullopt;
}

int PointsOutsideLimits(const Module1& s, int scaleMode, const SettingTexts& t) {
    const AxisKinds axes = AxesOfScaleMode(scaleMode);
    int outside = 0;
    for (int i = 1; i <= s.PointsInUse(); ++i) {
        if (OffAxis(s.XData[i], IsLog(axes.x), t[kXStartBox], t[kXStopBox], s.Ln10) ||
            OffAxis(s.YData[i], IsLog(axes.y), t[kYStartBox], t[kYStopBox], s.Ln10))
            ++outside;
    }
    return outside;
}

void ComputeLogCopies(Module1& s) {
    for (int i = 1; i <= s.PointsInUse(); ++i) {
        if (s.XData[i] > 0)
            s.XPlotData[i] = std::log(s.XData[i]);
        if (s.YData[i] > 0)
            s.YPlotData[i] = std::log(s.YData[i]);
    }
}

} // namespace mirendo
