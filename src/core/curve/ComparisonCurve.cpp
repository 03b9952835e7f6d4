#include "core/curve/ComparisonCurve.h"

#include "core/curve/ModeSpace.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace mirendo {

namespace {

double Sign(double v) {
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

// Slope at an end point: the one-sided three-point formula, set to zero when it points against
// the first secant, and limited to three times that secant where the data turn, so that the end
// piece stays monotone. `h0`, `m0` belong to the end interval, `h1`, `m1` to its neighbour.
double EndSlope(double h0, double h1, double m0, double m1) {
    const double d = ((2 * h0 + h1) * m0 - h0 * m1) / (h0 + h1);
    if (Sign(d) != Sign(m0))
        return 0;
    if (Sign(m0) != Sign(m1) && std::fabs(d) > std::fabs(3 * m0))
        return 3 * m0;
    return d;
}

} // namespace

const char* ComparisonMethodName(ComparisonMethod method) {
    switch (method) {
    case ComparisonMethod::None:
        break;
    case ComparisonMethod::Linear:
        return "折れ線";
    case ComparisonMethod::MonotoneCubic:
        return "単調3次";
    case ComparisonMethod::NaturalSpline:
        return "3次スプライン";
    }
    return "なし";
}

bool ComparisonCurve::init(ComparisonMethod method, std::span<const double> x, std::span<const double> y) {
    m_method = method;
    m_n = 0;
    const std::size_t n = std::min(x.size(), y.size());
    if (method == ComparisonMethod::None || n < 2 || n > Module1::kMaxPoints)
        return false;
    std::array<std::size_t, Module1::kMaxPoints> order{};
    std::iota(order.begin(), order.begin() + n, std::size_t(0));
    std::sort(order.begin(), order.begin() + n, [&](std::size_t a, std::size_t b) { return x[a] < x[b]; });
    for (std::size_t i = 0; i < n; ++i) {
        m_x[i] = x[order[i]];
        m_y[i] = y[order[i]];
        if (!std::isfinite(m_x[i]) || !std::isfinite(m_y[i]) || (i > 0 && !(m_x[i] > m_x[i - 1])))
            return false;
    }
    std::array<double, Module1::kMaxPoints> h{}, m{};
    for (std::size_t i = 0; i + 1 < n; ++i) {
        h[i] = m_x[i + 1] - m_x[i];
        m[i] = (m_y[i + 1] - m_y[i]) / h[i];
    }
    m_d.fill(0);
    if (n == 2) {
        // Every method is the straight line: the cubics with the secant as slope (monotone) or
        // no curvature (spline) are that line.
        if (method == ComparisonMethod::MonotoneCubic)
            m_d[0] = m_d[1] = m[0];
    } else if (method == ComparisonMethod::MonotoneCubic) {
        for (std::size_t i = 1; i + 1 < n; ++i) {
            // The weighted harmonic mean of the neighbouring secants; flat at a turn.
            if (m[i - 1] * m[i] <= 0)
                continue;
            const double w1 = 2 * h[i] + h[i - 1];
            const double w2 = h[i] + 2 * h[i - 1];
            m_d[i] = (w1 + w2) / (w1 / m[i - 1] + w2 / m[i]);
        }
        m_d[0] = EndSlope(h[0], h[1], m[0], m[1]);
        m_d[n - 1] = EndSlope(h[n - 2], h[n - 3], m[n - 2], m[n - 3]);
    } else if (method == ComparisonMethod::NaturalSpline) {
        // Second derivatives M(1..n-2) from the tridiagonal system
        // h(i-1) M(i-1) + 2 (h(i-1) + h(i)) M(i) + h(i) M(i+1) = 6 (m(i) - m(i-1)), M(0) = M(n-1) = 0,
        // by elimination downwards and substitution upwards (diagonally dominant: no pivoting).
        std::array<double, Module1::kMaxPoints> diagonal{}, right{};
        for (std::size_t i = 1; i + 1 < n; ++i) {
            diagonal[i] = 2 * (h[i - 1] + h[i]);
            right[i] = 6 * (m[i] - m[i - 1]);
            if (i > 1) {
                const double factor = h[i - 1] / diagonal[i - 1];
                diagonal[i] -= factor * h[i - 1];
                right[i] -= factor * right[i - 1];
            }
        }
        for (std::size_t i = n - 2; i >= 1; --i)
            m_d[i] = (right[i] - h[i] * m_d[i + 1]) / diagonal[i];
    }
    m_n = n;
    return true;
}

double ComparisonCurve::operator()(double t) const {
    if (m_n < 2)
        return std::numeric_limits<double>::quiet_NaN();
    // The piece of t: the interval that holds it, the first or last one beyond the points.
    const double* upper = std::upper_bound(m_x.data() + 1, m_x.data() + m_n - 1, t);
    const std::size_t k = std::size_t(upper - m_x.data()) - 1;
    const double h = m_x[k + 1] - m_x[k];
    const double a = t - m_x[k];     // from the left end
    const double b = m_x[k + 1] - t; // to the right end
    switch (m_method) {
    case ComparisonMethod::MonotoneCubic: {
        // Cubic Hermite piece with the end values and slopes.
        const double s = a / h;
        const double s2 = s * s;
        const double s3 = s2 * s;
        return (2 * s3 - 3 * s2 + 1) * m_y[k] + (s3 - 2 * s2 + s) * h * m_d[k] +
               (-2 * s3 + 3 * s2) * m_y[k + 1] + (s3 - s2) * h * m_d[k + 1];
    }
    case ComparisonMethod::NaturalSpline:
        return (m_d[k] * b * b * b + m_d[k + 1] * a * a * a) / (6 * h) + (m_y[k] / h - m_d[k] * h / 6) * b +
               (m_y[k + 1] / h - m_d[k + 1] * h / 6) * a;
    case ComparisonMethod::None:
    case ComparisonMethod::Linear:
        return (m_y[k] * b + m_y[k + 1] * a) / h;
    }
    return std::numeric_limits<double>::quiet_NaN(); // not a method of the list
}

double ComparisonCurve::slope(double t) const {
    if (m_n < 2)
        return std::numeric_limits<double>::quiet_NaN();
    const double* upper = std::upper_bound(m_x.data() + 1, m_x.data() + m_n - 1, t);
    const std::size_t k = std::size_t(upper - m_x.data()) - 1;
    const double h = m_x[k + 1] - m_x[k];
    const double a = t - m_x[k];
    const double b = m_x[k + 1] - t;
    switch (m_method) {
    case ComparisonMethod::MonotoneCubic: {
        const double s = a / h;
        const double s2 = s * s;
        return ((6 * s2 - 6 * s) * (m_y[k] - m_y[k + 1])) / h + (3 * s2 - 4 * s + 1) * m_d[k] +
               (3 * s2 - 2 * s) * m_d[k + 1];
    }
    case ComparisonMethod::NaturalSpline:
        return (m_d[k + 1] * a * a - m_d[k] * b * b) / (2 * h) + (m_y[k + 1] - m_y[k]) / h -
               (m_d[k + 1] - m_d[k]) * h / 6;
    case ComparisonMethod::None:
    case ComparisonMethod::Linear:
        return (m_y[k + 1] - m_y[k]) / h;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

std::vector<double> ComparisonSamples(ComparisonMethod method, std::span<const double> pointX,
                                      std::span<const double> pointY, std::span<const double> t) {
    ComparisonCurve curve;
    if (!curve.init(method, pointX, pointY))
        return {};
    std::vector<double> values(t.size());
    std::transform(t.begin(), t.end(), values.begin(), [&](double v) { return curve(v); });
    return values;
}

double ComparisonValueAt(const ComparisonCurve& curve, int scaleMode, double x) {
    const AxisKinds axes = AxesOfScaleMode(scaleMode);
    const std::optional<double> t = ToModeSpace(axes.x, x);
    if (!t || !curve.valid())
        return std::numeric_limits<double>::quiet_NaN();
    const double y = FromModeSpace(axes.y, curve(*t));
    return std::isfinite(y) ? y : std::numeric_limits<double>::quiet_NaN();
}

} // namespace mirendo
