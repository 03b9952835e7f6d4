#pragma once
// The main window's settings logic as plain functions: reading the six setting boxes,
// validating them, rewriting the limits of a logarithmic axis as whole decades, the Enter-key
// path through the boxes, the log copies of the points and taking over a loaded result.
// No widget here: Form1 reads its controls, calls these and writes the results back.
#include "exchange/ResultFile.h"
#include "state/Module1.h"

#include <array>
#include <string>

namespace mirendo {

// Texts of Text5..Text10 in that order.
struct SettingTexts {
    std::string xStart, xStop, xStep, yStart, yStop, yStep;
};

struct SettingValues {
    double xStart = 0, xStop = 0, xStep = 0, yStart = 0, yStop = 0, yStep = 0;
};

// Leading-number value of every box.
SettingValues ReadSettings(const SettingTexts& texts);

// Start below stop on both axes.
bool LimitsInOrder(const SettingValues& v);

// A step of 0 or less becomes one grid interval over the whole axis.
void ReplaceNonPositiveSteps(SettingValues& v);

// Both limits positive on every logarithmic axis of `scaleMode`.
bool LogLimitsPositive(int scaleMode, const SettingValues& v);

void StoreSettings(Module1& s, const SettingValues& v);
SettingValues StoredSettings(const Module1& s);

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

// Rewrites the limit boxes of the logarithmic axes of `scaleMode`: Y in modes 2 and 4,
// X in modes 3 and 4. Other boxes are untouched.
void RewriteLogLimits(int scaleMode, SettingTexts& texts);

// The step boxes a scale mode fixes at "10": X step in modes 3 and 4, Y step in 2 and 4.
bool XStepFixed(int scaleMode);
bool YStepFixed(int scaleMode);

// objectName of the control that gets the focus when Enter is pressed in `boxName`
// ("Text5".."Text10"); empty for any other name.
std::string NextFocusAfterEnter(const std::string& boxName, int scaleMode);

// ln of every positive XData/YData(1..PointCount) into XPlotData/YPlotData; an entry whose
// value is not positive keeps what it held.
void ComputeLogCopies(Module1& s);

// Why a loaded result cannot be used (empty when it can): a scale mode outside 1..4.
std::string ResultProblem(const exchange::LoadedResult& r);

// Takes over a checked result: mode, limits, points, coefficients, samples and the curve
// extremes. On a logarithmic X axis an echoed limit that is not positive (a start of 1.0E-04 or
// less goes out as "0.0") is not taken, so the curve is drawn with the start of its graph.
void ApplyLoadedResult(Module1& s, const exchange::LoadedResult& r);

} // namespace mirendo
