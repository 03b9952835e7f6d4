#pragma once
// The main window's six graph settings as plain functions: validating the typed texts into
// values, filling empty limits from the data range, rewriting the limits of a logarithmic axis
// as whole decades and the log copies of the points. Form1 reads its boxes, calls these and
// writes the results back.
#include "core/state/Module1.h"
#include "core/state/SettingTexts.h"

#include <array>
#include <optional>
#include <string>

namespace mirendo {

struct SettingValues {
    double xStart = 0, xStop = 0, xStep = 0, yStart = 0, yStop = 0, yStep = 0;
};

struct ValidatedSettings {
    // Leading-number values of the six texts (full-width digits read as digits, no number is 0).
    // When the limits are in order, a step of 0 or less has become one grid interval over the
    // whole axis; otherwise the steps are as typed.
    SettingValues values;
    bool limitsInOrder = false;     // each start below its stop
    bool logLimitsPositive = false; // both limits positive on every logarithmic axis of the mode
};

ValidatedSettings ValidateSettings(const SettingTexts& texts, int scaleMode);

void StoreSettings(Module1& s, const SettingValues& v);

// An empty limit box (no characters at all; blanks are not empty) takes the range text of the
// data: X start <- XMin, X stop <- XMax, Y start <- YMin, Y stop <- YMax. Steps stay as they are.
// `rangeTexts` are Label31..Label34.
void FillEmptyLimits(SettingTexts& texts, const std::array<std::string, 4>& rangeTexts);

// Decade rewriting of one limit box. The text is first brought into the "0.0E+00" form; a start
// that does not begin with "1.0" becomes "1.0E" with its exponent, a stop that does not begin
// with "1.0" becomes "1.0E" with its exponent plus one. The exponent is read from the last
// three characters, which stored files and the plots rely on.
std::string DecadeStartText(const std::string& boxText);
std::string DecadeStopText(const std::string& boxText);

// Rewrites the limit boxes of the logarithmic axes of `scaleMode`. Other boxes are untouched.
void RewriteLogLimits(int scaleMode, SettingTexts& texts);

// ln of every positive XData/YData(1..PointCount) into XPlotData/YPlotData; an entry whose
// value is not positive keeps what it held.
void ComputeLogCopies(Module1& s);

// Why a setting box cannot be used: a value the graph could only be drawn with as another number
// than the one typed.
enum class SettingFault {
    None,
    NoNumber,         // text without a leading number ("abc"); empty and blank boxes read as 0
    Undrawable,       // a limit no double holds as typed, or beyond what graph and archive carry
    NotPositiveOnLog, // a limit of a logarithmic axis that is 0 or less
};

struct SettingRefusal {
    SettingFault fault = SettingFault::None;
    SettingBox box = kXStartBox;
    bool logAxis = false; // the box is a limit of a logarithmic axis of the mode
};

// The first box, in box order, that holds text but no number, or a limit that cannot be drawn: one
// a double does not hold as typed ("1e400", "1e-400"), a linear limit beyond kLargestLinearLimit
// in magnitude, a positive logarithmic limit outside kSmallestLogLimit .. kLargestLogLimit (its
// decade would be another number: 5.0E-100 would become 1.0E+100). Nothing when every
// box can be used. A leading number counts as typed: "12abc" is 12.
std::optional<SettingRefusal> UnusableSetting(const SettingTexts& texts, int scaleMode);

// The first limit of a logarithmic axis of the mode that is 0 or less; the decade rewriting would
// turn it into 1.0E00 or 1.0E+01, a limit nobody typed.
std::optional<SettingRefusal> NonPositiveLogLimit(const SettingValues& values, int scaleMode);

// How many of the points in use lie outside the frame that the limit boxes give once the
// logarithmic limits are decades. A point whose centre lies off the frame by no more than 1 % of
// the axis length still touches the frame line with its dot and is not counted; the range texts
// the empty limits are filled from are rounded, and would otherwise put extreme points outside.
int PointsOutsideLimits(const Module1& s, int scaleMode, const SettingTexts& texts);

} // namespace mirendo
