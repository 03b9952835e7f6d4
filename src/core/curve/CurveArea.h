#pragma once
// The area under the loaded curve between two X: the integral of Y over X in data units. In
// Linear - Linear that is the polynomial's own antiderivative; in the other modes the curve in
// data units is exp P(X), P(ln X) or exp P(ln X), which no antiderivative of its kind covers, so
// it is integrated by adaptive Gauss-Kronrod quadrature to 1E-10 relative (over ln X on a
// logarithmic X axis, where the curve is smooth across decades). No Qt here.
#include "core/curve/ComparisonCurve.h"
#include "core/state/Module1.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace mirendo {

enum class AreaOutcome {
    Found,
    NoValue,        // a box is empty
    NotANumber,     // a box holds no number
    NeedsPositiveX, // X <= 0 on a logarithmic X axis
    NoRange,        // the graph's X limits are not usable (equal, not finite, not positive on a log axis)
    OutsideGraph,   // an end lies outside the graph's X range
    Overflow,       // the area is beyond the largest double, or the curve overflows on the way
    NoCurve,        // no polynomial through the loaded points
};

struct Area {
    AreaOutcome outcome = AreaOutcome::NoCurve;
    int box = 0;               // the box (1: X1, 2: X2) a refusal is about; 0 when it is about neither
    double value = 0;          // in data units, signed: negative from a larger X1 to a smaller X2
    bool extrapolated = false; // the interval leaves the points' X range
    std::string text;          // the value in the readout's notation of the Y axis; "" when refused
};

// From the boxes' texts (TypedNumber: "12abc" is 12, blanks around are allowed).
Area AreaUnderCurve(const Module1& state, std::string_view x1Text, std::string_view x2Text);
// From X1 and X2 in data units, with the same checks except for the texts.
Area AreaBetween(const Module1& state, double x1, double x2);

// The comparison curve's area (its curve in the space of `scaleMode`, as the loaded points) from
// x1 to x2 in data units; NaN when it has none there. Ends are not checked against the graph.
double ComparisonArea(const ComparisonCurve& curve, int scaleMode, double x1, double x2);

// What the boxes offer first: the points' X range in data units (as far as it lies on the graph),
// as typed (nine significant digits on a linear X, five on a logarithmic one); two empty texts
// without points.
std::pair<std::string, std::string> DefaultAreaTexts(const Module1& state);

// The integral of f over [a, b] by adaptive 7-15 point Gauss-Kronrod quadrature, to `relative`
// of the result (or of the integral of |f| where the result cancels to about zero). NaN once f
// gives a value that is not finite.
double IntegrateAdaptive(const std::function<double(double)>& f, double a, double b, double relative = 1e-10);

} // namespace mirendo
