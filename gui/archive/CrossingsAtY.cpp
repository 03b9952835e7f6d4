#include "archive/CrossingsAtY.h"

#include "archive/BatchEvaluation.h"
#include "archive/EvaluateAtX.h"
#include "state/NumberText.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace mirendo {

namespace {

// A polynomial of degree nine has at most eight extrema; this grid puts thousands of points
// between any two of them on a sensible graph, and costs a few hundred thousand operations once
// per loaded curve.
constexpr int kGridIntervals = 4096;

// The extremum of P between a and b (a maximum when `maximum`), by golden-section search until the
// interval stops shrinking in double precision.
double RefineExtremum(const Module1& s, double a, double b, bool maximum) {
    const double invPhi = (std::sqrt(5.0) - 1) / 2;
    const auto better = [&](double u, double v) { return maximum ? u > v : u < v; };
    double c = b - (b - a) * invPhi;
    double d = a + (b - a) * invPhi;
    double pc = SavedPolynomial(s, c);
    double pd = SavedPolynomial(s, d);
    for (int i = 0; i < 200 && a < c && c < d && d < b; ++i) {
        if (better(pc, pd)) {
            b = d;
            d = c;
            pd = pc;
            c = b - (b - a) * invPhi;
            pc = SavedPolynomial(s, c);
        } else {
            a = c;
            c = d;
            pc = pd;
            d = a + (b - a) * invPhi;
            pd = SavedPolynomial(s, d);
        }
    }
    return better(pc, pd) ? c : d;
}

bool Negative(double f) {
    return f < 0;
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
    m_t.resize(kGridIntervals + 1);
    m_p.resize(kGridIntervals + 1);
    for (int i = 0; i <= kGridIntervals; ++i) {
        m_t[i] = i == kGridIntervals ? hi : lo + (hi - lo) * i / kGridIntervals;
        m_p[i] = SavedPolynomial(s, m_t[i]);
    }
    m_constant = std::all_of(m_p.begin(), m_p.end(), [&](double p) { return p == m_p.front(); });
    // Extrema of P between grid points: strict on the left, so a flat run counts once at most.
    for (int i = 1; i < kGridIntervals; ++i) {
        const double a = m_p[i - 1], b = m_p[i], c = m_p[i + 1];
        if (!(std::isfinite(a) && std::isfinite(b) && std::isfinite(c)))
            continue;
        const bool minimum = b < a && b <= c;
        const bool maximum = b > a && b >= c;
        if (!minimum && !maximum)
            continue;
        const double t = RefineExtremum(s, m_t[i - 1], m_t[i + 1], maximum);
        const double p = SavedPolynomial(s, t);
        // The refined point is at least as extreme as the grid point, or the grid point stays.
        const bool refined = std::isfinite(p) && (maximum ? p >= b : p <= b);
        m_extrema.push_back({i, refined ? t : m_t[i], refined ? p : b, maximum});
    }
}

// A root of P - level between ta and tb, where P - level has the sign of fa at ta and the other
// sign (fb) at tb: halved until no double lies between the ends, then the end nearer the level.
double CrossingFinder::bisect(double ta, double tb, double fa, double fb, double level) const {
    for (;;) {
        const double m = ta + (tb - ta) / 2;
        if (!(m > std::min(ta, tb) && m < std::max(ta, tb)))
            break;
        const double fm = SavedPolynomial(m_state, m) - level;
        if (fm == 0)
            return m;
        if (!std::isfinite(fm))
            break;
        if (Negative(fm) == Negative(fa)) {
            ta = m;
            fa = fm;
        } else {
            tb = m;
            fb = fm;
        }
    }
    return std::fabs(fa) <= std::fabs(fb) ? ta : tb;
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
    // What the evaluation at X shows for Y: a touching extremum counts when it shows the same.
    const std::string shown = ReadoutText(y, false);
    const auto showsLevel = [&](double p) {
        const double value = m_logY ? std::exp(p) : p;
        return std::isfinite(value) && ReadoutText(value, false) == shown;
    };
    if (m_constant) {
        out.outcome = showsLevel(m_p.front()) ? CrossingOutcome::Everywhere : CrossingOutcome::None;
        return out;
    }

    std::vector<double> roots;
    for (int i = 0; i <= kGridIntervals; ++i) {
        const double f = m_p[i] - level;
        if (!std::isfinite(f))
            continue;
        if (f == 0) {
            roots.push_back(m_t[i]);
            continue;
        }
        if (i == kGridIntervals)
            break;
        const double next = m_p[i + 1] - level;
        if (std::isfinite(next) && next != 0 && Negative(next) != Negative(f))
            roots.push_back(bisect(m_t[i], m_t[i + 1], f, next, level));
    }
    for (const Extremum& e : m_extrema) {
        const int i = e.grid;
        const double a = m_p[i - 1] - level, b = m_p[i] - level, c = m_p[i + 1] - level;
        // Grid points at the level or a sign change next to it: found above.
        if (a == 0 || b == 0 || c == 0 || Negative(a) != Negative(b) || Negative(b) != Negative(c))
            continue;
        // Only a minimum above the level or a maximum below it comes closer than the grid shows.
        if (e.maximum != Negative(b))
            continue;
        const double f = e.p - level;
        if (f != 0 && Negative(f) != Negative(b)) {
            // The curve dips through the level and back between two grid intervals.
            roots.push_back(bisect(m_t[i - 1], e.t, a, f, level));
            roots.push_back(bisect(e.t, m_t[i + 1], f, c, level));
        } else if (showsLevel(e.p)) {
            roots.push_back(e.t);
        }
    }
    std::sort(roots.begin(), roots.end());
    roots.erase(std::unique(roots.begin(), roots.end()), roots.end());

    for (const double t : roots) {
        Crossing& c = out.crossings.emplace_back();
        c.x = m_logX ? std::exp(t) : t;
        c.text = ReadoutText(c.x, m_logX);
        c.extrapolated = IsOutsidePoints(m_state, t);
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
        return std::string(kNoCrossingText);
    case CrossingOutcome::Everywhere:
        return std::string(kEverywhereText);
    case CrossingOutcome::Found:
        break;
    default:
        return {};
    }
    std::string text;
    for (const Crossing& c : search.crossings) {
        if (!text.empty())
            text += "、";
        text += c.text;
        if (c.extrapolated) {
            text += ' ';
            text += kExtrapolationMark;
        }
    }
    return text;
}

} // namespace mirendo
