#pragma once
// The main window's six graph settings as plain functions: validating the typed texts into
// values, filling empty limits from the data range, rewriting the limits of a logarithmic axis
// as whole decades and the log copies of the points. Form1 reads its boxes, calls these and
// writes the results back.
#include "state/Module1.h"
#include "state/SettingTexts.h"

#include <array>
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

} // namespace mirendo
