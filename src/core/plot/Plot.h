#pragma once
// The graph plots: data-point graph, interpolated curve and the browser's saved-data graph,
// all from one implementation parameterised by the two axis kinds.
#include "core/plot/GraphCanvas.h"
#include "core/state/Module1.h"

#include <array>
#include <string>

namespace mirendo {

// The plot space around the frame, as fractions of the frame's span: 8 % left and below, 2 %
// right and above. A picture of the graph places its limit labels by them.
inline constexpr double kPlotMarginLow = 0.08;
inline constexpr double kPlotMarginHigh = 0.02;

// Texts of the four limit boxes (main window) or the saved setting texts (browser); a
// logarithmic axis takes its decades from the last three characters of these texts.
struct LimitTexts {
    std::string xStart, xStop, yStart, yStop;
};

// Captions for Label14 (X start), Label15 (X stop), Label16 (Y start), Label17 (Y stop).
struct RangeLabels {
    std::string xStart, xStop, yStart, yStop;
};

// Grid lines: linear at start + k * step strictly below stop, logarithmic at ln j + k * Ln10 decade
// after decade. Neither ever draws more lines (or decades) than the canvas has pixels along the
// axis: denser grids are thinned to every m-th line; a step that is not positive or not finite
// gives no inner line. A logarithmic axis whose start is not positive gets no points or curve.

// Grid, frame, points and labels of the main window. The caller has validated the settings and
// cleared the canvas.
RangeLabels PlotPointsLinLin(const Module1& s, GraphCanvas& c, const LimitTexts& t);
RangeLabels PlotPointsLinLog(const Module1& s, GraphCanvas& c, const LimitTexts& t);
RangeLabels PlotPointsLogLin(const Module1& s, GraphCanvas& c, const LimitTexts& t);
RangeLabels PlotPointsLogLog(const Module1& s, GraphCanvas& c, const LimitTexts& t);
// Dispatch on s.ScaleMode (1..4).
RangeLabels PlotPointsForMode(const Module1& s, GraphCanvas& c, const LimitTexts& t);

// The curve polyline into the scale the point plot left behind. Line width is the caller's.
void PlotCurveLinLin(const Module1& s, GraphCanvas& c);
void PlotCurveLinLog(const Module1& s, GraphCanvas& c);
void PlotCurveLogLin(const Module1& s, GraphCanvas& c);
void PlotCurveLogLog(const Module1& s, GraphCanvas& c);
void PlotCurveForMode(const Module1& s, GraphCanvas& c); // 1, 2, 3, anything else LogLog

// The browser's graph: scale, grid, frame, labels (plain within -100..100) and the curve,
// decades from s.XStartText.. ; a step <= 0 is replaced by the axis length; leaves width 2.
RangeLabels PlotSavedLinLin(const Module1& s, GraphCanvas& c);
RangeLabels PlotSavedLinLog(const Module1& s, GraphCanvas& c);
RangeLabels PlotSavedLogLin(const Module1& s, GraphCanvas& c);
RangeLabels PlotSavedLogLog(const Module1& s, GraphCanvas& c);
RangeLabels PlotSavedForMode(const Module1& s, GraphCanvas& c);
// The browser's data points, after its graph: a red dot 10 pixels across at (XPlotData(i),
// YPlotData(i)), which the browser's load puts in the saved graph's plot space; width 1 after.
void PlotSavedPoints(const Module1& s, GraphCanvas& c);

// Decade exponent of a limit text: the leading-number value of its last three characters.
double DecadeExponent(const std::string& limitText);

} // namespace mirendo
