#pragma once
// How steep the interpolation polynomial is: its derivative in the space of the scale mode, where
// the polynomial lives. On a logarithmic axis that space is the natural logarithm, so the slope is
// dY/dX, dlnY/dX, dY/dlnX or dlnY/dlnX (the local exponent of a power law). No Qt here.
#include "core/curve/ComparisonCurve.h"
#include "core/curve/DrawnCurve.h"
#include "core/state/Module1.h"

#include <array>
#include <span>
#include <string>

namespace mirendo {

// The polynomial through up to ten points (t_i, v_i) of the mode's space, expanded in powers of
// s = (t - centre) / halfSpan over the points' span, so that its derivative and antiderivative
// are exact term by term and no power of a large t is ever formed.
class ModePolynomial {
  public:
    // False (and no polynomial) without a point, with more than ten, two equal abscissae or a
    // value that is not finite.
    bool init(std::span<const double> t, std::span<const double> v);
    bool valid() const { return m_n > 0; }

    double value(double t) const;
    double slope(double t) const;
    // The integral of the polynomial from `a` to `b` in the mode's space (exact but for rounding).
    double integral(double a, double b) const;

  private:
    double antiderivative(double s) const;

    std::size_t m_n = 0;
    double m_centre = 0, m_halfSpan = 1;
    std::array<double, Module1::kMaxPoints> m_coef{}; // of s^0 .. s^(n-1)
};

// The polynomial of the points in use (ResultX, ResultY), and of a drawn curve's points.
ModePolynomial PolynomialOfPoints(const Module1& state);
ModePolynomial PolynomialOfCurve(const DrawnCurve& curve);

// "dY/dX", "dlnY/dX", "dY/dlnX", "dlnY/dlnX" for scale modes 1..4 (anything else as 4).
const char* SlopeName(int scaleMode);

// The readout's slope label: "傾き dlnY/dlnX = 1.700", the value in the readout's notation of a
// linear axis ("##0.000" within -1000..1000, else "0.000E+00"); "傾き dY/dX = 計算できません" when
// the value is not finite.
std::string SlopeText(int scaleMode, double slope);
// The comparison curve's: "比較 傾き = 1.700".
std::string ComparisonSlopeText(double slope);

// The slope at the abscissa of sample `sample` (1-based) of a drawn curve, the X the readout
// shows; NaN when there is no such sample or no polynomial through the curve's points.
double SlopeAtSample(const DrawnCurve& curve, int sample);
double ComparisonSlopeAtSample(const DrawnCurve& curve, const ComparisonCurve& comparison, int sample);

// The slope at `x` in data units (ln x on a logarithmic X axis) of the points in use; NaN when x
// has no place on the axis or the value is not finite.
double SlopeAt(const Module1& state, double x);

} // namespace mirendo
