#pragma once
// How far a drawn interpolation curve can be trusted: the engine's single-precision error,
// measured against a double-precision evaluation of the same polynomial, and how far the curve
// swings outside the points' Y range between them (Runge's phenomenon), with the scale mode that
// would swing less. Plain C++; the graph windows show `text` below the graph.
#include "core/curve/ComparisonCurve.h"
#include "core/curve/DrawnCurve.h"

#include <span>
#include <string>

namespace mirendo {

struct CurveTrust {
    // False with fewer than two or more than ten points, no samples, a value that is not finite,
    // or two points with the same abscissa (no polynomial exists); `text` is then empty and
    // nothing is red.
    bool assessed = false;
    // Largest |P(t_j) - p_j| over the samples, P evaluated in double precision through the points
    // as listed, divided by the reference scale (the points' Y range; the largest |Y| when the
    // range is zero; 1 when every Y is zero). Everything in the mode's space.
    double errorFigure = 0;
    // How far the engine's samples leave the points' Y range, as a whole percent of the same
    // reference scale. Every sample lies between the first and the last point.
    double overshootPercent = 0;
    // Set only when the overshoot is red: the other scale mode (1..4) whose curve, sampled in
    // double precision as the engine would sample it, leaves the range least, and that figure.
    // 0 when no other mode the points allow stays within 20 %. Modes are compared on the whole
    // percent shown; a tie goes to the lower mode number.
    int calmerMode = 0;
    double calmerPercent = 0;
    // The thresholds apply to the figures as shown, so the line never reads "1.0E-03" or "20%"
    // in red: the error is red from "1.1E-03", the overshoot from 21 %.
    bool errorRed = false;
    bool overshootRed = false;
    bool red = false; // errorRed || overshootRed
    // With a comparison curve: the largest |p_j - C(t_j)| over the samples, C the comparison
    // through the same points, as a whole percent of the reference scale. Negative without one.
    double comparisonPercent = -1;
    // UTF-8, e.g. "単精度誤差 8.5E-07・はみ出し 41%（振動に注意： Linear - Log ならはみ出し 7%）",
    // with a comparison "単精度誤差 8.5E-07・はみ出し 41%・比較との差 38%（振動に注意：…）". When
    // the overshoot is red and two abscissae lie closer than a fiftieth of the points' X range
    // (mode space), the advice names the closest two instead, in data space:
    // "（振動に注意：X の近い点があります（2 と 2.04））".
    std::string text;
};

// The points (x, y) as the result file or the archive lists them and the engine's samples (t, p),
// all in the space of `scaleMode` (natural logarithms on a logarithmic axis). A mode outside 1..4
// counts as 4, as the plots take it.
CurveTrust AssessCurve(int scaleMode, std::span<const double> x, std::span<const double> y,
                       std::span<const double> t, std::span<const double> p,
                       ComparisonMethod comparison = ComparisonMethod::None);

// The same for a drawn curve: its scale mode, points and samples.
CurveTrust AssessCurve(const DrawnCurve& curve, ComparisonMethod comparison = ComparisonMethod::None);

// Caption of scale mode 1..4 as the scale options show it, with its leading blank:
// " Linear - Linear", " Linear - Log", " Log - Linear", " Log - Log".
const char* ScaleModeCaption(int scaleMode);

} // namespace mirendo
