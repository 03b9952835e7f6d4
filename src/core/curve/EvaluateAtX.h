#pragma once
// Value of the loaded polynomial at an X the user types, extrapolation included, straight from
// the saved Lagrange coefficients (no engine). No Qt here.
#include "core/state/Module1.h"

#include <string>
#include <string_view>

namespace mirendo {

struct Evaluation {
    bool ok = false;         // false: no number, or a logarithm of a non-positive X, an overflow or
                             // a non-finite result
    bool notANumber = false; // the typed text holds no number: nothing was evaluated
    double y = 0;            // in data units (exp applied on a logarithmic Y axis)
    std::string text;        // Label6: "##0.000" within -1000..1000, else "0.000E+00"; "" when !ok
    // ok and X lies outside the points' X range (see IsOutsidePoints); false when !ok.
    bool extrapolated = false;
};

// True when `x` (in the evaluation's space: ln X on a logarithmic X axis) lies outside
// [smallest ResultX, largest ResultX] of the points in use. The bounds are inclusive and widened
// by half a unit in the sixth significant digit, the precision with which the archive keeps the
// points, so typing a point's own X (ln 0.5 against the saved -6.93147E-01) is never
// extrapolation. No points: false.
bool IsOutsidePoints(const Module1& state, double x);

// P(t) = sum_i Coef(i) * prod_{k != i} (t - ResultX(k)) at `t` in the mode's space, in double
// precision, ascending order: the one polynomial the evaluation at X and the search for X at a
// given Y use. Not finite once a partial product or sum overflows.
double SavedPolynomial(const Module1& state, double t);

// At `x` in data units: ln x on a logarithmic X axis; P(x) = sum_i Coef(i) * prod_{k != i}
// (x - ResultX(k)) in double precision, ascending order; exp P on a logarithmic Y axis;
// `extrapolated` tells whether x lies outside the points.
Evaluation EvaluateAt(const Module1& state, double x);

// At the leading number of `inputText` (TypedNumber: "12abc" is 12, full-width digits are
// digits). A text without a number, the empty one included, is refused as notANumber.
Evaluation EvaluateAtX(const Module1& state, std::string_view inputText);

} // namespace mirendo
