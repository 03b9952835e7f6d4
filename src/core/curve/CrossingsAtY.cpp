#include "core/curve/CrossingsAtY.h"

#include "core/curve/BatchEvaluation.h"
#include "core/curve/EvaluateAtX.h"
#include "core/text/NumberText.h"
#include "core/text/Translate.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <optional>

namespace mirendo {

namespace {

using Powers = std::vector<long double>; // coefficients, lowest power first

long double ValueAt(const Powers& a, long double u) {
    long double v = 0;
    for (auto c = a.rbegin(); c != a.rend(); ++c)
        v = v * u + *c;
    return v;
}

Powers Derivative(const Powers& a) {
    Powers d;
    for (std::size_t k = 1; k < a.size(); ++k)
        d.push_back(a[k] * static_cast<long double>(k));
    return d;
}

// Appends the points strictly inside (lo, hi) where `a` changes sign, ascending. Between two
// consecutive sign changes of its derivative `a` is monotone, so each such piece holds one
// change at most, found by bisection; the derivative's own changes are found the same way one
// degree down, so a pair of close changes is never stepped over. A zero of `a` where it only
// touches zero without changing sign is a point of no use to the caller (no extremum of the
// polynomial one degree up) and may be missed.
void SignChanges(const Powers& a, long double lo, long double hi, std::vector<long double>& out) {
    std::vector<long double> ends{lo};
    if (a.size() > 2)
        SignChanges(Derivative(a), lo, hi, ends);
    ends.push_back(hi);
    for (std::size_t j = 0; j + 1 < ends.size(); ++j) {
        long double ta = ends[j], tb = ends[j + 1];
        const long double fa = ValueAt(a, ta), fb = ValueAt(a, tb);
        if (fa == 0) {
            if (j > 0)
                out.push_back(ta);
            continue;
        }
        if (!(fb < 0 || fb > 0) || (fa < 0) == (fb < 0))
            continue;
        // 64 bits of mantissa and the width of any range a double can hold: 256 halvings reach
        // neighbouring long doubles or a width far below what the double search can resolve.
        for (int i = 0; i < 256; ++i) {
            const long double m = ta + (tb - ta) / 2;
            if (!(m > ta && m < tb))
                break;
            const long double fm = ValueAt(a, m);
            if (fm == 0) {
                ta = tb = m;
                break;
            }
            ((fm < 0) == (fa < 0) ? ta : tb) = m;
        }
        out.push_back(ta);
    }
}

// The rounding the evaluation of SavedPolynomial may carry at t, as a multiple of the size of
// its terms: each term is n - 1 rounded differences and products, and the sum adds n roundings.
double EvaluationNoise(const Module1& s, double t) {
    const int n = s.PointsInUse();
    double terms = 0;
    for (int i = 1; i <= n; ++i) {
        double p = std::fabs(s.Coef[i]);
        for (int k = 1; k <= n; ++k)
            if (k != i)
                p *= std::fabs(t - s.ResultX[k]);
        terms += p;
    }
    return 8.0 * std::max(n, 1) * DBL_EPSILON * terms;
}

// The archive keeps the points' X and Y to six significant digits: half a unit in the last, relative.
constexpr double kSavedRounding = 5e-6;

double Midpoint(double a, double b) {
    const double width = b - a;
    return std::isfinite(width) ? a + width / 2 : a / 2 + b / 2;
}

} // namespace

CrossingFinder::CrossingFinder(const Module1& s) : m_state(s) {
    const AxisKinds axes = AxesOfScaleMode(s.ScaleMode);
    m_logX = axes.x == AxisKind::Logarithmic;
    m_logY = axes.y == AxisKind::Logarithmic;
    double lo = s.XStart;
    double hi = s.XStop;
    if (m_logX) {
        if (!(lo > 0 && hi > 0))
            return;
        lo = std::log(lo);
        hi = std::log(hi);
    }
    if (!(std::isfinite(lo) && std::isfinite(hi) && lo < hi))
        return;
    m_rangeOk = true;

    // The saved Lagrange form expanded in powers of u = (t - center) / scale, the points spread
    // over -1..1, so that the expansion in extended precision stays as exact as the saved form.
    const int n = s.PointsInUse();
    if (n > 0) {
        const auto [least, most] = std::minmax_element(s.ResultX.begin() + 1, s.ResultX.begin() + 1 + n);
        m_center = *least / 2 + *most / 2;
        m_scale = *most / 2 - *least / 2;
        if (!(std::isfinite(m_scale) && m_scale > 0 && std::isfinite(m_center))) {
            m_center = std::isfinite(m_center) ? m_center : 0;
            m_scale = 1;
        }
    }
    m_powers.assign(std::size_t(std::max(n, 1)), 0.0L);
    for (int i = 1; i <= n; ++i) {
        Powers term{static_cast<long double>(s.Coef[i]) * std::pow(static_cast<long double>(m_scale), n - 1)};
        for (int k = 1; k <= n; ++k) {
            if (k == i)
                continue;
            const long double uk = (static_cast<long double>(s.ResultX[k]) - m_center) / m_scale;
            term.push_back(0);
            for (std::size_t j = term.size() - 1; j > 0; --j)
                term[j] = term[j - 1] - uk * term[j];
            term[0] *= -uk;
        }
        for (std::size_t j = 0; j < term.size(); ++j)
            m_powers[j] += term[j];
    }

    const Powers slope = Derivative(m_powers);
    std::vector<long double> extrema;
    SignChanges(slope, (lo - m_center) / static_cast<long double>(m_scale),
                (hi - m_center) / static_cast<long double>(m_scale), extrema);
    // The nodes: the ends and the extrema between them, ascending. An end on a point of the
    // archive meets the point's saved Y when the crossing lies beyond the end by no more than the
    // rounding of the point's X: the saved polynomial misses its points by the rounding of its
    // coefficients.
    const auto node = [&](double t, bool end) {
        Node made{t, SavedPolynomial(s, t), EvaluationNoise(s, t)};
        for (int k = 1; end && k <= n; ++k) {
            const double x = s.ResultX[k], rounding = kSavedRounding * std::fabs(x);
            const long double u = (t - m_center) / static_cast<long double>(m_scale);
            if (std::fabs(t - x) <= rounding) {
                made.pointY = s.ResultY[k];
                made.reach = static_cast<double>(std::fabs(ValueAt(slope, u)) / m_scale * rounding);
            }
        }
        return made;
    };
    m_nodes.push_back(node(lo, true));
    for (const long double u : extrema) {
        const double t = static_cast<double>(m_center + m_scale * u);
        if (std::isfinite(t) && t > m_nodes.back().t && t < hi)
            m_nodes.push_back(node(t, false));
    }
    m_nodes.push_back(node(hi, true));
}

// Whether P(t) - level is negative, from the value SavedPolynomial gave at t (p) or, where that
// overflowed, from the expansion in extended precision, whose range is wider.
bool CrossingFinder::below(double t, double p, double level) const {
    if (std::isfinite(p))
        return p < level;
    return ValueAt(m_powers, (t - m_center) / static_cast<long double>(m_scale)) < level;
}

// A root of SavedPolynomial - level between ta and tb, where it has opposite signs: halved until
// no double lies between the ends, then the end nearer the level.
double CrossingFinder::bisect(double ta, double tb, double level) const {
    const bool belowAtA = below(ta, SavedPolynomial(m_state, ta), level);
    // The exponent range of a double and its 53 bits bound the halvings.
    for (int i = 0; i < 2200; ++i) {
        const double m = Midpoint(ta, tb);
        if (!(m > std::min(ta, tb) && m < std::max(ta, tb)))
            break;
        const double p = SavedPolynomial(m_state, m);
        if (p == level)
            return m;
        (below(m, p, level) == belowAtA ? ta : tb) = m;
    }
    const double fa = std::fabs(SavedPolynomial(m_state, ta) - level);
    const double fb = std::fabs(SavedPolynomial(m_state, tb) - level);
    return fb < fa || !std::isfinite(fa) ? tb : ta;
}

// X in the readout notation of the X axis, with `extraDigits` more decimals than it has.
std::string CrossingFinder::text(double x, int extraDigits) const {
    if (extraDigits == 0)
        return ReadoutText(x, m_logX);
    const bool exponential = m_logX || !(x >= -1000 && x <= 1000);
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, exponential ? "%.*E" : "%.*f", 3 + extraDigits, x);
    std::string shown = buffer;
    // As the readout writes it, a value that rounds to zero carries no sign.
    if (shown[0] == '-' && shown.find_first_of("123456789") >= shown.find_first_of("eE"))
        shown.erase(0, 1);
    return shown;
}

CrossingSearch CrossingFinder::find(double y) const {
    CrossingSearch out;
    if (!m_rangeOk) {
        out.outcome = CrossingOutcome::NoRange;
        return out;
    }
    if (m_logY && !(y > 0)) {
        out.outcome = CrossingOutcome::NeedsPositiveY;
        return out;
    }
    const double level = m_logY ? std::log(y) : y;
    if (!std::isfinite(level))
        return out;

    // A node meets the level when they differ by no more than the evaluation's rounding there.
    const std::size_t count = m_nodes.size();
    // An end on a point also meets the point's Y crossed within the rounding of the point's X.
    std::vector<char> meets(count);
    bool everywhere = true;
    for (std::size_t j = 0; j < count; ++j) {
        const Node& n = m_nodes[j];
        meets[j] =
            std::isfinite(n.p) && std::fabs(n.p - level) <= n.noise + 4 * DBL_EPSILON * std::fabs(level);
        everywhere = everywhere && meets[j];
        meets[j] = meets[j] || (std::fabs(level - n.pointY) <= kSavedRounding * std::fabs(n.pointY) &&
                                std::fabs(n.p - level) <= n.reach);
    }
    // Between the nodes the polynomial is monotone: all of them at the level is all of the range.
    if (everywhere) {
        out.outcome = CrossingOutcome::Everywhere;
        return out;
    }

    std::vector<double> roots;
    std::size_t nearest = 0; // in the current run of nodes at the level
    for (std::size_t j = 0; j < count; ++j) {
        const Node& n = m_nodes[j];
        if (meets[j]) {
            if (j == 0 || !meets[j - 1] || std::fabs(n.p - level) < std::fabs(m_nodes[nearest].p - level))
                nearest = j;
            if (j + 1 == count || !meets[j + 1])
                roots.push_back(m_nodes[nearest].t);
            continue;
        }
        if (j + 1 == count || meets[j + 1])
            continue;
        const Node& next = m_nodes[j + 1];
        if (below(n.t, n.p, level) != below(next.t, next.p, level))
            roots.push_back(bisect(n.t, next.t, level));
    }

    // The ends of the range are reported as the user set them, not through exp and log.
    std::vector<double> xs;
    for (const double t : roots) {
        const double x = t == m_nodes.front().t  ? m_state.XStart
                         : t == m_nodes.back().t ? m_state.XStop
                         : m_logX                ? std::exp(t)
                                                 : t;
        if (xs.empty() || x > xs.back())
            xs.push_back(x);
    }

    // Each X gets the fewest extra digits with which the evaluation at its text shows the Y as
    // the readout shows it, then neighbours that would read as the same number or out of order
    // get more, until their texts tell them apart or hold all the digits of the double.
    const std::string shownY = ReadoutText(y, false);
    constexpr int kMostExtraDigits = 40;
    std::vector<int> extra(xs.size(), 0);
    const auto complete = [&](std::size_t i) {
        return extra[i] >= kMostExtraDigits || LeadingNumber(text(xs[i], extra[i])) == xs[i];
    };
    for (std::size_t i = 0; i < xs.size(); ++i) {
        while (!complete(i)) {
            const Evaluation back = EvaluateAt(m_state, LeadingNumber(text(xs[i], extra[i])));
            if (back.ok && back.text == shownY)
                break;
            ++extra[i];
        }
    }
    for (bool changed = true; changed;) {
        changed = false;
        for (std::size_t i = 1; i < xs.size(); ++i) {
            if (LeadingNumber(text(xs[i - 1], extra[i - 1])) < LeadingNumber(text(xs[i], extra[i])))
                continue;
            for (const std::size_t k : {i - 1, i}) {
                if (!complete(k)) {
                    ++extra[k];
                    changed = true;
                }
            }
        }
    }

    for (std::size_t i = 0; i < xs.size(); ++i) {
        Crossing& c = out.crossings.emplace_back();
        c.x = xs[i];
        c.text = text(xs[i], extra[i]);
        c.extrapolated = IsOutsidePoints(m_state, m_logX ? std::log(c.x) : c.x);
    }
    out.outcome = out.crossings.empty() ? CrossingOutcome::None : CrossingOutcome::Found;
    return out;
}

CrossingSearch CrossingsAtY(const Module1& state, std::string_view inputText) {
    const std::optional<double> y = TypedNumber(inputText);
    if (!y) {
        CrossingSearch refused;
        refused.outcome = CrossingOutcome::NotANumber;
        return refused;
    }
    return CrossingFinder(state).find(*y);
}

std::string CrossingsText(const CrossingSearch& search) {
    switch (search.outcome) {
    case CrossingOutcome::None:
        return text::translate("BatchFile", kNoCrossingText.data());
    case CrossingOutcome::Everywhere:
        return text::translate("BatchFile", kEverywhereText.data());
    case CrossingOutcome::Found:
        break;
    // A refused search: no text (the window words the refusal).
    case CrossingOutcome::NotANumber:
    case CrossingOutcome::NeedsPositiveY:
    case CrossingOutcome::NoRange:
        return {};
    }
    std::string text;
    for (const Crossing& c : search.crossings) {
        if (!text.empty())
            text += text::translate("CrossingsAtY", "、");
        text += c.text;
        if (c.extrapolated) {
            text += ' ';
            text += text::translate("BatchFile", kExtrapolationMark.data());
        }
    }
    return text;
}

} // namespace mirendo
