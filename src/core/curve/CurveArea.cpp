#include "core/curve/CurveArea.h"

#include "core/curve/CurveSlope.h"
#include "core/curve/EvaluateAtX.h"
#include "core/curve/ModeSpace.h"
#include "core/text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <queue>
#include <vector>

namespace mirendo {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Kronrod nodes on [-1, 1] (the odd ones are the 7-point Gauss nodes) and their weights.
constexpr double kNodes[8] = {0.991455371120812639206854697526329, 0.949107912342758524526189684047851,
                              0.864864423359769072789712788640926, 0.741531185599394439863864773280788,
                              0.586087235467691130294144845693013, 0.405845151377397166906606412076961,
                              0.207784955007898467600689403773245, 0.0};
constexpr double kKronrod[8] = {0.022935322010529224963732008058970, 0.063092092629978553290700663189204,
                                0.104790010322250183839876322541518, 0.140653259715525918745189590510238,
                                0.169004726639267902826583426598550, 0.190350578064785409913256402421014,
                                0.204432940075298892414161999234649, 0.209482141084727828012999174891714};
constexpr double kGauss[4] = {0.129484966168869693270611432679082, 0.279705391489276667901467771423780,
                              0.381830050505118944950369775488975, 0.417959183673469387755102040816327};

struct Piece {
    double a = 0, b = 0;
    double kronrod = 0, error = 0, absolute = 0;
    bool operator<(const Piece& other) const { return error < other.error; }
};

Piece Rule(const std::function<double(double)>& f, double a, double b) {
    Piece p{a, b};
    const double centre = a / 2 + b / 2;
    const double half = b / 2 - a / 2;
    double gauss = 0;
    for (int i = 0; i < 8; ++i) {
        const double fl = f(centre - half * kNodes[i]);
        const double fr = i == 7 ? 0 : f(centre + half * kNodes[i]);
        const double sum = fl + fr;
        p.kronrod += kKronrod[i] * sum;
        p.absolute += kKronrod[i] * (std::fabs(fl) + std::fabs(fr));
        if (i % 2 == 1)
            gauss += kGauss[i / 2] * sum;
    }
    p.error = std::fabs((p.kronrod - gauss) * half);
    p.kronrod *= half;
    p.absolute *= std::fabs(half);
    return p;
}

// Where the curve meets the graph: the X limits in the mode's space, lower first.
std::optional<std::pair<double, double>> GraphRange(const Module1& s, AxisKind axis) {
    const std::optional<double> start = ToModeSpace(axis, s.XStart);
    const std::optional<double> stop = ToModeSpace(axis, s.XStop);
    if (!start || !stop || *start == *stop)
        return std::nullopt;
    return std::minmax(*start, *stop);
}

// The integrand over the mode's X coordinate u is factor(u) * exp(exponent(u)): with a shift of
// the exponent by its largest sampled value the quadrature sees numbers near 1, and only the
// area itself can overflow, not the curve on the way to it.
double AreaInModeSpace(const std::function<double(double)>& curve, AxisKinds axes, double u1, double u2,
                       std::span<const double> knots) {
    const bool logX = axes.x == AxisKind::Logarithmic;
    const bool logY = axes.y == AxisKind::Logarithmic;
    const auto exponent = [&](double u, double g) { return (logY ? g : 0) + (logX ? u : 0); };
    double shift = -std::numeric_limits<double>::infinity();
    constexpr int kProbes = 64;
    for (int i = 0; i <= kProbes; ++i) {
        const double u = u1 + (u2 - u1) * i / kProbes;
        shift = std::max(shift, exponent(u, curve(u)));
    }
    if (!std::isfinite(shift))
        return kNaN;
    const auto integrand = [&](double u) {
        const double g = curve(u);
        return (logY ? 1 : g) * std::exp(exponent(u, g) - shift);
    };
    // The comparison's pieces meet with a jump in a derivative: each is integrated on its own.
    std::vector<double> ends{std::min(u1, u2)};
    for (const double k : knots)
        if (k > ends.front() && k < std::max(u1, u2))
            ends.push_back(k);
    ends.push_back(std::max(u1, u2));
    double sum = 0;
    for (std::size_t i = 0; i + 1 < ends.size(); ++i)
        sum += IntegrateAdaptive(integrand, ends[i], ends[i + 1]);
    if (u2 < u1)
        sum = -sum;
    if (!std::isfinite(sum))
        return kNaN;
    if (sum == 0 || shift == 0)
        return sum;
    if (std::log(std::fabs(sum)) + shift > std::log(std::numeric_limits<double>::max()))
        return std::copysign(std::numeric_limits<double>::infinity(), sum);
    return sum * std::exp(shift);
}

} // namespace

double IntegrateAdaptive(const std::function<double(double)>& f, double a, double b, double relative) {
    if (a == b)
        return 0;
    std::priority_queue<Piece> pieces;
    pieces.push(Rule(f, a, b));
    double total = pieces.top().kronrod;
    double error = pieces.top().error;
    double absolute = pieces.top().absolute;
    constexpr int kMaxPieces = 2000;
    while (std::isfinite(total) && error > std::max(relative * std::fabs(total), 1e-15 * absolute) &&
           int(pieces.size()) < kMaxPieces) {
        const Piece worst = pieces.top();
        const double middle = worst.a / 2 + worst.b / 2;
        if (middle == worst.a || middle == worst.b)
            break; // no room left to split
        pieces.pop();
        const Piece left = Rule(f, worst.a, middle);
        const Piece right = Rule(f, middle, worst.b);
        total += left.kronrod + right.kronrod - worst.kronrod;
        error += left.error + right.error - worst.error;
        absolute += left.absolute + right.absolute - worst.absolute;
        pieces.push(left);
        pieces.push(right);
    }
    if (!std::isfinite(total))
        return kNaN;
    // The running sums drift by rounding: the result is summed again from the pieces.
    double sum = 0;
    for (; !pieces.empty(); pieces.pop())
        sum += pieces.top().kronrod;
    return sum;
}

Area AreaUnderCurve(const Module1& s, std::string_view x1Text, std::string_view x2Text) {
    const std::string_view texts[2] = {x1Text, x2Text};
    double x[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        Area refused;
        refused.box = i + 1;
        if (texts[i].find_first_not_of(" \t") == std::string_view::npos) {
            refused.outcome = AreaOutcome::NoValue;
            return refused;
        }
        const std::optional<double> typed = TypedNumber(texts[i]);
        if (!typed) {
            refused.outcome = AreaOutcome::NotANumber;
            return refused;
        }
        x[i] = *typed;
    }
    return AreaBetween(s, x[0], x[1]);
}

Area AreaBetween(const Module1& s, double x1, double x2) {
    Area out;
    const AxisKinds axes = AxesOfScaleMode(s.ScaleMode);
    const ModePolynomial p = PolynomialOfPoints(s);
    if (!p.valid())
        return out;
    const std::optional<std::pair<double, double>> graph = GraphRange(s, axes.x);
    const double x[2] = {x1, x2};
    double u[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        out.box = i + 1;
        const std::optional<double> t = ToModeSpace(axes.x, x[i]);
        if (!t) {
            out.outcome = axes.x == AxisKind::Logarithmic && x[i] <= 0 ? AreaOutcome::NeedsPositiveX
                                                                       : AreaOutcome::NotANumber;
            return out;
        }
        u[i] = *t;
    }
    out.box = 0;
    if (!graph) {
        out.outcome = AreaOutcome::NoRange;
        return out;
    }
    // A limit typed as the graph shows it is inside, whatever the last digit.
    const double slack = 1e-9 * std::max({1.0, std::fabs(graph->first), std::fabs(graph->second)});
    for (int i = 0; i < 2; ++i)
        if (u[i] < graph->first - slack || u[i] > graph->second + slack) {
            out.outcome = AreaOutcome::OutsideGraph;
            out.box = i + 1;
            return out;
        }
    double area = 0;
    if (axes.x == AxisKind::Linear && axes.y == AxisKind::Linear)
        area = p.integral(u[0], u[1]);
    else
        area = AreaInModeSpace([&p](double t) { return p.value(t); }, axes, u[0], u[1], {});
    if (std::isnan(area)) {
        out.outcome = AreaOutcome::NoCurve;
        return out;
    }
    if (std::isinf(area)) {
        out.outcome = AreaOutcome::Overflow;
        return out;
    }
    out.outcome = AreaOutcome::Found;
    out.value = area;
    out.extrapolated = IsOutsidePoints(s, u[0]) || IsOutsidePoints(s, u[1]);
    out.text = ReadoutText(area, axes.y == AxisKind::Logarithmic);
    return out;
}

double ComparisonArea(const ComparisonCurve& curve, int scaleMode, double x1, double x2) {
    const AxisKinds axes = AxesOfScaleMode(scaleMode);
    const std::optional<double> u1 = ToModeSpace(axes.x, x1);
    const std::optional<double> u2 = ToModeSpace(axes.x, x2);
    if (!curve.valid() || !u1 || !u2)
        return kNaN;
    const double area =
        AreaInModeSpace([&curve](double t) { return curve(t); }, axes, *u1, *u2, curve.knots());
    return std::isfinite(area) ? area : kNaN;
}

std::pair<std::string, std::string> DefaultAreaTexts(const Module1& s) {
    const int n = s.PointsInUse();
    if (n == 0)
        return {};
    const AxisKinds axes = AxesOfScaleMode(s.ScaleMode);
    const auto [lo, hi] = std::minmax_element(s.ResultX.begin() + 1, s.ResultX.begin() + 1 + n);
    double ends[2] = {*lo, *hi};
    if (const std::optional<std::pair<double, double>> graph = GraphRange(s, axes.x))
        for (double& end : ends)
            end = std::clamp(end, graph->first, graph->second);
    // A linear X as the archive keeps it; on a logarithmic axis the saved ln X has six to seven
    // digits, and five give back the X the user typed (0.02, not 0.0200001).
    const auto text = [&](double u) {
        return axes.x == AxisKind::Logarithmic ? SignificantText(FromModeSpace(axes.x, u), 5)
                                               : SignificantText(u, 9);
    };
    return {text(ends[0]), text(ends[1])};
}

} // namespace mirendo
