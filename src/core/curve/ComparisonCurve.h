#pragma once
// Curves to compare the interpolation polynomial with, through the same points and in the same
// space (the scale mode's): the broken line, the monotone piecewise cubic (Fritsch-Carlson slopes,
// which never leaves the range of two neighbouring points) and the natural cubic spline (second
// derivative zero at both ends). With two points each is the straight line through them. Plain
// C++, double precision.
#include "core/state/Module1.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace mirendo {

enum class ComparisonMethod { None, Linear, MonotoneCubic, NaturalSpline };

inline constexpr ComparisonMethod kComparisonMethods[] = {ComparisonMethod::None, ComparisonMethod::Linear,
                                                          ComparisonMethod::MonotoneCubic,
                                                          ComparisonMethod::NaturalSpline};

// "なし", "折れ線", "単調3次", "3次スプライン" (UTF-8): how the choice offers the method, and the
// batch window's column heading.
const char* ComparisonMethodName(ComparisonMethod method);

class ComparisonCurve {
  public:
    // The curve of `method` through the points (x, y), in any order; false (and no curve) for
    // None, fewer than two or more than ten points, a value that is not finite or two equal
    // abscissae.
    bool init(ComparisonMethod method, std::span<const double> x, std::span<const double> y);
    bool valid() const { return m_n >= 2; }
    ComparisonMethod method() const { return m_method; }

    // The value at `t`; beyond the outer points the end piece goes on (extrapolation).
    double operator()(double t) const;
    // The derivative at `t`; at a point where two pieces meet, the right-hand piece's.
    double slope(double t) const;
    // The points' abscissae in ascending order, where the pieces meet.
    std::span<const double> knots() const { return {m_x.data(), m_n}; }

  private:
    ComparisonMethod m_method = ComparisonMethod::None;
    std::size_t m_n = 0;
    // Points in ascending X; for the cubics the slope (monotone) or the second derivative
    // (spline) at each point.
    std::array<double, Module1::kMaxPoints> m_x{}, m_y{}, m_d{};
};

// The comparison through a drawn curve's points, at its samples' abscissae `t` (mode space):
// what is drawn under the polynomial. Empty when the curve cannot be formed.
std::vector<double> ComparisonSamples(ComparisonMethod method, std::span<const double> pointX,
                                      std::span<const double> pointY, std::span<const double> t);

// The comparison's value at the data-space `x` of a curve whose points are in the space of
// `scaleMode`, back in data space; NaN when `x` has no place on the axis or the value is not finite.
double ComparisonValueAt(const ComparisonCurve& curve, int scaleMode, double x);

} // namespace mirendo
