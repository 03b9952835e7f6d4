#include "core/curve/CurveTrust.h"

#include "core/curve/LagrangePolynomial.h"
#include "core/curve/ModeSpace.h"
#include "core/text/NumberText.h"
#include "core/text/Translate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace mirendo {

namespace {

constexpr double kRedErrorFigure = 1e-3;
constexpr double kRedOvershootPercent = 20;
constexpr int kSamplesPerInterval = 50; // the engine's grid

using Values = std::array<double, Module1::kMaxPoints>;

bool AllFinite(std::span<const double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// The Y range of the points with the scale every figure is measured against.
struct YRange {
    double low = 0;
    double high = 0;
    double scale = 1;
};

YRange RangeOf(std::span<const double> y) {
    const auto [lo, hi] = std::minmax_element(y.begin(), y.end());
    YRange range{*lo, *hi, *hi - *lo};
    if (range.scale > 0)
        return range;
    // All points at one height: the curve is flat, so any swing is measured against the height
    // itself (or against 1 when that is zero) instead of being infinite.
    range.scale = std::max(std::fabs(*lo), std::fabs(*hi));
    if (range.scale == 0)
        range.scale = 1;
    return range;
}

double Excursion(const YRange& range, double value) {
    return std::max({0.0, value - range.high, range.low - value});
}

double WholePercent(double excursion, const YRange& range) {
    return std::round(100 * excursion / range.scale);
}

// Overshoot of the double-precision curve through (x, y) at the abscissae the engine would sample:
// 50 per interval between consecutive points in listed order, the right end of the last excluded.
// Negative when the polynomial cannot be formed.
double SampledOvershootPercent(std::span<const double> x, std::span<const double> y) {
    LagrangePolynomial polynomial;
    if (!AllFinite(x) || !AllFinite(y) || !polynomial.init(x, y))
        return -1;
    const YRange range = RangeOf(y);
    double excursion = 0;
    for (size_t r = 0; r + 1 < x.size(); ++r) {
        const double step = (x[r + 1] - x[r]) / kSamplesPerInterval;
        for (int w = 0; w < kSamplesPerInterval; ++w)
            excursion = std::max(excursion, Excursion(range, polynomial(x[r] + w * step)));
    }
    return std::isfinite(excursion) ? WholePercent(excursion, range) : -1;
}

// Moves one coordinate from the space of `from` to that of `to`; false when a logarithmic axis
// would need a value that is not positive (the scale options are disabled for such points).
bool Transform(std::span<const double> in, AxisKind from, AxisKind to, Values& out) {
    for (size_t i = 0; i < in.size(); ++i) {
        const double value = from == AxisKind::Logarithmic ? std::exp(in[i]) : in[i];
        if (to == AxisKind::Logarithmic) {
            if (!(value > 0))
                return false;
            out[i] = std::log(value);
        } else {
            out[i] = value;
        }
    }
    return true;
}

// Of the other modes the points allow, the one whose curve leaves the range least, if that is
// within the red threshold; ties go to the lower mode number.
void FindCalmerMode(int scaleMode, std::span<const double> x, std::span<const double> y, CurveTrust& trust) {
    const AxisKinds current = AxesOfScaleMode(scaleMode);
    const int currentMode = scaleMode >= 1 && scaleMode <= 3 ? scaleMode : 4;
    const size_t n = x.size();
    for (int mode = 1; mode <= 4; ++mode) {
        if (mode == currentMode)
            continue;
        const AxisKinds target = AxesOfScaleMode(mode);
        Values tx{};
        Values ty{};
        if (!Transform(x, current.x, target.x, tx) || !Transform(y, current.y, target.y, ty))
            continue;
        const double percent = SampledOvershootPercent({tx.data(), n}, {ty.data(), n});
        if (percent < 0 || percent > kRedOvershootPercent)
            continue;
        if (trust.calmerMode == 0 || percent < trust.calmerPercent) {
            trust.calmerMode = mode;
            trust.calmerPercent = percent;
        }
    }
}

// The two closest neighbouring abscissae when they lie closer than a fiftieth of the points' X
// range: "a と b" in data space, smaller first; empty when no two do.
std::string CloseAbscissae(int scaleMode, std::span<const double> x) {
    Values sorted{};
    std::copy(x.begin(), x.end(), sorted.begin());
    const auto end = sorted.begin() + std::ptrdiff_t(x.size());
    std::sort(sorted.begin(), end);
    const double limit = (*(end - 1) - sorted[0]) / 50;
    size_t closest = x.size();
    for (size_t i = 0; i + 1 < x.size(); ++i) {
        const double gap = sorted[i + 1] - sorted[i];
        if (gap < limit && (closest == x.size() || gap < sorted[closest + 1] - sorted[closest]))
            closest = i;
    }
    if (closest == x.size())
        return {};
    const AxisKind axis = AxesOfScaleMode(scaleMode).x;
    return text::Fill(text::translate("CurveTrust", "%1 と %2"),
                      {GeneralText(FromModeSpace(axis, sorted[closest])),
                       GeneralText(FromModeSpace(axis, sorted[closest + 1]))});
}

// Largest difference between the samples and the comparison at their abscissae, as a whole
// percent of the range; negative when there is no comparison.
double ComparisonPercent(ComparisonMethod method, std::span<const double> x, std::span<const double> y,
                         std::span<const double> t, std::span<const double> p, const YRange& range) {
    const std::vector<double> c = ComparisonSamples(method, x, y, t);
    if (c.empty())
        return -1;
    double difference = 0;
    for (size_t j = 0; j < c.size(); ++j)
        difference = std::max(difference, std::fabs(p[j] - c[j]));
    return std::isfinite(difference) ? WholePercent(difference, range) : -1;
}

std::string PercentText(double percent) {
    char text[400];
    std::snprintf(text, sizeof text, "%.0f%%", percent);
    return text;
}

} // namespace

const char* ScaleModeCaption(int scaleMode) {
    switch (scaleMode) {
    case 1:
        return " Linear - Linear";
    case 2:
        return " Linear - Log";
    case 3:
        return " Log - Linear";
    default:
        return " Log - Log";
    }
}

CurveTrust AssessCurve(int scaleMode, std::span<const double> x, std::span<const double> y,
                       std::span<const double> t, std::span<const double> p, ComparisonMethod comparison) {
    CurveTrust trust;
    const size_t n = std::min(x.size(), y.size());
    const size_t m = std::min(t.size(), p.size());
    x = x.first(n);
    y = y.first(n);
    t = t.first(m);
    p = p.first(m);
    LagrangePolynomial polynomial;
    if (n < 2 || n > Module1::kMaxPoints || m == 0 || !AllFinite(x) || !AllFinite(y) || !AllFinite(t) ||
        !AllFinite(p) || !polynomial.init(x, y))
        return trust;

    const YRange range = RangeOf(y);
    double error = 0;
    double excursion = 0;
    for (size_t j = 0; j < m; ++j) {
        error = std::max(error, std::fabs(polynomial(t[j]) - p[j]));
        excursion = std::max(excursion, Excursion(range, p[j]));
    }
    trust.assessed = true;
    trust.errorFigure = error / range.scale;
    trust.overshootPercent = WholePercent(excursion, range);
    trust.comparisonPercent = ComparisonPercent(comparison, x, y, t, p, range);

    const std::string figure = FormatExponential(trust.errorFigure, 1);
    trust.errorRed = !std::isfinite(trust.errorFigure) || LeadingNumber(figure) > kRedErrorFigure;
    trust.overshootRed = trust.overshootPercent > kRedOvershootPercent;
    trust.red = trust.errorRed || trust.overshootRed;

    using text::Fill;
    using text::translate;
    trust.text = Fill(translate("CurveTrust", "単精度誤差 %1"), {figure});
    if (trust.overshootPercent >= 1)
        trust.text += Fill(translate("CurveTrust", "・はみ出し %1"), {PercentText(trust.overshootPercent)});
    if (trust.comparisonPercent >= 0)
        trust.text +=
            Fill(translate("CurveTrust", "・比較との差 %1"), {PercentText(trust.comparisonPercent)});
    if (trust.errorRed)
        trust.text += translate("CurveTrust", "（表示値の桁に誤差）");
    if (trust.overshootRed) {
        // Points pushed apart by the ordering, or nearly equal anyway, make the swing: name them.
        if (const std::string close = CloseAbscissae(scaleMode, x); !close.empty()) {
            trust.text +=
                Fill(translate("CurveTrust", "（振動に注意：X の近い点があります（%1））"), {close});
            return trust;
        }
        FindCalmerMode(scaleMode, x, y, trust);
        if (trust.calmerMode != 0)
            trust.text += Fill(translate("CurveTrust", "（振動に注意：%1 ならはみ出し %2）"),
                               {ScaleModeCaption(trust.calmerMode), PercentText(trust.calmerPercent)});
        else
            trust.text +=
                translate("CurveTrust", "（振動に注意：点の数を減らすか、比較で単調3次を見て下さい）");
    }
    return trust;
}

CurveTrust AssessCurve(const DrawnCurve& curve, ComparisonMethod comparison) {
    return AssessCurve(curve.scaleMode, curve.pointX, curve.pointY, curve.sampleX, curve.sampleY, comparison);
}

} // namespace mirendo
