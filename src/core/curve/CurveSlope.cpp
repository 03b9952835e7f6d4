#include "core/curve/CurveSlope.h"

#include "core/curve/ModeSpace.h"
#include "core/text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace mirendo {

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
} // namespace

bool ModePolynomial::init(std::span<const double> t, std::span<const double> v) {
    m_n = 0;
    const std::size_t n = std::min(t.size(), v.size());
    if (n == 0 || n > Module1::kMaxPoints)
        return false;
    for (std::size_t i = 0; i < n; ++i)
        if (!std::isfinite(t[i]) || !std::isfinite(v[i]))
            return false;
    const auto [lo, hi] = std::minmax_element(t.begin(), t.begin() + std::ptrdiff_t(n));
    m_centre = *lo / 2 + *hi / 2;
    m_halfSpan = n == 1 ? 1 : *hi / 2 - *lo / 2;
    if (!(m_halfSpan > 0) || !std::isfinite(m_halfSpan))
        return false;
    // Newton's divided differences over the scaled abscissae s_i in [-1, 1] ...
    std::array<double, Module1::kMaxPoints> s{}, d{};
    for (std::size_t i = 0; i < n; ++i) {
        s[i] = (t[i] - m_centre) / m_halfSpan;
        d[i] = v[i];
    }
    for (std::size_t level = 1; level < n; ++level)
        for (std::size_t i = n - 1; i >= level; --i) {
            const double gap = s[i] - s[i - level];
            if (gap == 0)
                return false;
            d[i] = (d[i] - d[i - 1]) / gap;
        }
    // ... then the nested Newton form multiplied out into powers of s.
    m_coef.fill(0);
    m_coef[0] = d[n - 1];
    for (std::size_t k = n - 1; k-- > 0;) {
        // coef := coef * (s - s_k) + d_k
        for (std::size_t j = n - 1 - k; j > 0; --j)
            m_coef[j] = m_coef[j - 1] - s[k] * m_coef[j];
        m_coef[0] = d[k] - s[k] * m_coef[0];
    }
    for (std::size_t i = 0; i < n; ++i)
        if (!std::isfinite(m_coef[i]))
            return false;
    m_n = n;
    return true;
}

double ModePolynomial::value(double t) const {
    if (m_n == 0)
        return kNaN;
    const double s = (t - m_centre) / m_halfSpan;
    double sum = 0;
    for (std::size_t k = m_n; k-- > 0;)
        sum = sum * s + m_coef[k];
    return sum;
}

double ModePolynomial::slope(double t) const {
    if (m_n == 0)
        return kNaN;
    const double s = (t - m_centre) / m_halfSpan;
    double sum = 0;
    for (std::size_t k = m_n; k-- > 1;)
        sum = sum * s + double(k) * m_coef[k];
    return sum / m_halfSpan;
}

double ModePolynomial::antiderivative(double s) const {
    double sum = 0;
    for (std::size_t k = m_n; k-- > 0;)
        sum = sum * s + m_coef[k] / double(k + 1);
    return sum * s;
}

double ModePolynomial::integral(double a, double b) const {
    if (m_n == 0)
        return kNaN;
    return m_halfSpan *
           (antiderivative((b - m_centre) / m_halfSpan) - antiderivative((a - m_centre) / m_halfSpan));
}

ModePolynomial PolynomialOfPoints(const Module1& s) {
    const std::size_t n = std::size_t(s.PointsInUse());
    ModePolynomial p;
    p.init(std::span<const double>(s.ResultX).subspan(1, n),
           std::span<const double>(s.ResultY).subspan(1, n));
    return p;
}

ModePolynomial PolynomialOfCurve(const DrawnCurve& curve) {
    ModePolynomial p;
    p.init(curve.pointX, curve.pointY);
    return p;
}

const char* SlopeName(int scaleMode) {
    switch (scaleMode) {
    case 1:
        return "dY/dX";
    case 2:
        return "dlnY/dX";
    case 3:
        return "dY/dlnX";
    default:
        return "dlnY/dlnX";
    }
}

namespace {
// In the readout's notation, but a slope below 0.1 takes its exponent form: "##0.000" would show
// a slope of 0.0004 as 0.000, a flat curve where there is none.
std::string SlopeValueText(double slope) {
    if (!std::isfinite(slope))
        return "計算できません";
    return ReadoutText(slope, slope != 0 && std::fabs(slope) < 0.1);
}
} // namespace

std::string SlopeText(int scaleMode, double slope) {
    return std::string("傾き ") + SlopeName(scaleMode) + " = " + SlopeValueText(slope);
}

std::string ComparisonSlopeText(double slope) {
    return "比較 傾き = " + SlopeValueText(slope);
}

double SlopeAtSample(const DrawnCurve& curve, int sample) {
    if (sample < 1 || sample > curve.sampleCount())
        return kNaN;
    const double slope = PolynomialOfCurve(curve).slope(curve.sampleX[std::size_t(sample - 1)]);
    return std::isfinite(slope) ? slope : kNaN;
}

double ComparisonSlopeAtSample(const DrawnCurve& curve, const ComparisonCurve& comparison, int sample) {
    if (sample < 1 || sample > curve.sampleCount() || !comparison.valid())
        return kNaN;
    const double slope = comparison.slope(curve.sampleX[std::size_t(sample - 1)]);
    return std::isfinite(slope) ? slope : kNaN;
}

double SlopeAt(const Module1& state, double x) {
    const std::optional<double> t = ToModeSpace(AxesOfScaleMode(state.ScaleMode).x, x);
    if (!t)
        return kNaN;
    const double slope = PolynomialOfPoints(state).slope(*t);
    return std::isfinite(slope) ? slope : kNaN;
}

} // namespace mirendo
