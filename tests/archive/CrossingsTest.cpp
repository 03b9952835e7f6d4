// The inverse question and the curve as a spreadsheet formula. Every X reported for a Y evaluates
// back to that Y as the evaluation at X shows it, and a dense scan finds no crossing the search
// missed; the formula, read by a small expression reader, gives the evaluation's value.
#include "ArchiveSamples.h"
#include "archive/CrossingsAtY.h"
#include "archive/EvaluateAtX.h"
#include "plot/SpreadsheetFormula.h"
#include "state/NumberText.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

namespace mirendo {
namespace {

using testing::Calculation;

Module1 Loaded(const Calculation& calc) {
    Module1 s = testing::StateAfterCalculation(calc);
    s.XStart = LeadingNumber(calc.settings[0]);
    s.XStop = LeadingNumber(calc.settings[1]);
    return s;
}

// (x - 2)^2 through four points, X from 0 to 6: its minimum 0 at X = 2 lies between grid points.
const Calculation kParabola{1, {{0, 4}, {1, 1}, {3, 1}, {4, 4}}, {"0", "6", "1", "-1", "10", "1"}};
const auto kOver = [](double start, double stop) {
    return SettingTexts{std::to_string(start), std::to_string(stop), "1", "-1", "1", "1"};
};
const Calculation kRunge{1,
                         {{-1, 0.0384615},
                          {-0.777778, 0.0620214},
                          {-0.555556, 0.114731},
                          {-0.333333, 0.264706},
                          {-0.111111, 0.764151},
                          {0.111111, 0.764151},
                          {0.333333, 0.264706},
                          {0.555556, 0.114731},
                          {0.777778, 0.0620214},
                          {1, 0.0384615}},
                         kOver(-1, 1)};
// (i, i mod 2), i = 1..10: nine crossings of 0.5 among the points, none beyond them.
const auto kZigzag = [](int mode, const char* start, const char* stop) {
    Calculation c{mode, {}, {start, stop, "1", "-1", "2", "1"}};
    for (int i = 1; i <= 10; ++i)
        c.points.push_back({i, i % 2});
    return c;
};
constexpr const char* kNone = "この範囲にはありません";

// Sign changes of P - level on a grid a hundred times finer than the search's: each is a
// crossing the search must have reported.
int DenseSignChanges(const Module1& s, double level) {
    const bool logX = AxesOfScaleMode(s.ScaleMode).x == AxisKind::Logarithmic;
    const double lo = logX ? std::log(s.XStart) : s.XStart, hi = logX ? std::log(s.XStop) : s.XStop;
    int changes = 0;
    double previous = SavedPolynomial(s, lo) - level;
    for (int i = 1; i <= 409600; ++i) {
        const double f = SavedPolynomial(s, lo + (hi - lo) * i / 409600) - level;
        changes += (f < 0) != (previous < 0) ? 1 : 0;
        previous = f;
    }
    return changes;
}

TEST(Crossings, EveryXShowsTheYBack) {
    const std::vector<Calculation> modes = testing::CalculationsOfEveryMode();
    const struct {
        const char* name;
        Calculation calc;
        double y;
        const char* text; // CrossingsText
    } cases[] = {
        {"several, one on a point", modes[0], 2, "0.1459、3.000"},
        {"one outside the points", modes[0], -3.5, "4.670、5.8264 外挿"},
        {"only touches between grid points", kParabola, 0, "2.000"},
        {"two crossings 6E-05 apart", kParabola, 1e-9, "1.99997、2.00003"},
        {"a minimum close above the level",
         {1, {{0, 0.002}, {1, 0.0014}, {2, 0.002}}, kOver(0, 2)},
         0.001,
         kNone},
        {"a maximum close below the level", kRunge, 0.86154, kNone},
        {"the points' Y at both ends", kRunge, 0.0384615, "-1.000、-0.78933、0.78933、1.000"},
        {"a point at the range start", {1, {{1, 3}, {2, 5}}, kOver(1, 4)}, 3, "1.000"},
        {"a steep line", {1, {{0, 0}, {1, 1000}}, kOver(0, 1)}, 500.5, "0.5005"},
        {"nine crossings over -1E4..1E4", kZigzag(1, "-1E4", "1E4"), 0.5, nullptr},
        {"nine crossings over -1E6..1E6", kZigzag(1, "-1E6", "1E6"), 0.5, nullptr},
        {"nine crossings over 1E-300..1E300", kZigzag(3, "1E-300", "1E300"), 0.5, nullptr},
        {"none in the range", kParabola, 100, "この範囲にはありません"},
        {"log Y", modes[1], 3, "1.3864、4.000"},
        {"log X", modes[2], 7, "3.957E+00、1.000E+01"},
        {"log X and log Y", modes[3], 2, "4.0985E-02、3.000E+01"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Module1 s = Loaded(c.calc);
        const CrossingSearch search = CrossingFinder(s).find(c.y);
        if (c.text)
            EXPECT_EQ(CrossingsText(search), c.text);
        else
            EXPECT_EQ(search.crossings.size(), 9u);
        for (std::size_t i = 0; i < search.crossings.size(); ++i) {
            const Crossing& x = search.crossings[i];
            const Evaluation back = EvaluateAt(s, x.x);
            EXPECT_TRUE(back.ok);
            EXPECT_EQ(back.text, ReadoutText(c.y, false)) << "at X " << x.text;
            EXPECT_EQ(EvaluateAtX(s, x.text).text, back.text) << "at X " << x.text;
            EXPECT_EQ(back.extrapolated, x.extrapolated);
            if (i > 0) {
                EXPECT_LT(search.crossings[i - 1].x, x.x);
            }
        }
        const bool logY = AxesOfScaleMode(s.ScaleMode).y == AxisKind::Logarithmic;
        EXPECT_GE(int(search.crossings.size()), DenseSignChanges(s, logY ? std::log(c.y) : c.y));
    }
}

__extension__ typedef __float128 Quad;
__extension__ typedef __complex__ float ComplexQuad __attribute__((mode(TC)));

// Every complex root of sum a[k] u^k by Weierstrass' simultaneous iteration in quadruple
// precision: nothing of the finder's search between extrema.
std::vector<ComplexQuad> AllRoots(std::vector<Quad> a) {
    while (a.size() > 1 && a.back() == 0)
        a.pop_back();
    const std::size_t d = a.size() - 1;
    double radius = 0; // Fujiwara's bound
    for (std::size_t k = 1; k <= d; ++k)
        radius = std::max(radius, 2 * std::pow(std::fabs(double(a[d - k] / a[d])), 1.0 / double(k)));
    std::vector<ComplexQuad> z(d);
    ComplexQuad start = 1, turn = 0.4;
    __imag__ turn = 0.9;
    for (ComplexQuad& r : z)
        r = radius * (start *= turn);
    for (int iteration = 0; iteration < 120; ++iteration) {
        Quad moved = 0;
        for (std::size_t i = 0; i < d; ++i) {
            ComplexQuad p = 0, q = a[d];
            for (std::size_t k = d + 1; k-- > 0;)
                p = p * z[i] + a[k];
            for (std::size_t j = 0; j < d; ++j)
                q *= j == i ? ComplexQuad(1) : z[i] - z[j];
            const ComplexQuad step = p / q;
            z[i] -= step;
            const Quad size = __real__(z[i] * ~z[i]) + Quad(1e-60);
            moved = std::max(moved, __real__(step * ~step) / size);
        }
        if (moved < Quad(1e-56))
            break;
    }
    return z;
}

// P in powers of u = (t - center) / scale, quadruple precision.
std::vector<Quad> Expanded(const Module1& s, Quad center, Quad scale) {
    const int n = s.PointsInUse();
    std::vector<Quad> a(std::size_t(std::max(n, 1)), 0);
    for (int i = 1; i <= n; ++i) {
        std::vector<Quad> term{s.Coef[i]};
        for (int k = 1; k <= n; ++k)
            if (k != i) {
                term.insert(term.begin(), 0);
                for (std::size_t j = 0; j < term.size(); ++j)
                    term[j] =
                        term[j] * scale - (j + 1 < term.size() ? (s.ResultX[k] - center) * term[j + 1] : 0);
            }
        for (std::size_t j = 0; j < term.size(); ++j)
            a[j] += term[j];
    }
    return a;
}

// Random point sets in the four modes, ranges of every width, levels at random, at the points' Y,
// at the ends of the range and at the extrema, against the roots in quadruple precision. A root
// is a real root when the imaginary part is below d = 1E-6 (spread of the points + distance to
// their centre), in the mode's space: a double root shifted by a rounding of the level splits by
// about 1E-8 of that, so roots within 2 d of another are a tangency whose count the rounding
// decides (0, 1 or 2 may be reported); every other real root in the range, or within 1E-12 of
// an end (the level taken from the value there), must be reported once, and every X reported
// must lie within d of a root.
TEST(Crossings, AgreeWithTheRootsInQuadruplePrecision) {
    std::mt19937_64 random(20261208);
    const auto uniform = [&](double a, double b) { return std::uniform_real_distribution<>(a, b)(random); };
    for (int set = 0; set < 320; ++set) {
        SCOPED_TRACE("set " + std::to_string(set));
        const int mode = 1 + set % 4, n = 1 + set / 4 % 10;
        const bool logX = mode >= 3, logY = mode % 2 == 0;
        const double width = std::pow(10.0, uniform(0, logX ? 300 : 6)), spread = uniform(0.001, 1);
        Calculation calc{mode, {}, {}};
        for (int i = 0; i < n; ++i) {
            const double x = logX ? std::exp(uniform(-7, 7) * spread) : uniform(-1, 1) * spread * width;
            calc.points.push_back({x, logY ? std::exp(uniform(-3, 3)) : uniform(-1, 1)});
        }
        std::sort(calc.points.begin(), calc.points.end());
        Module1 s = testing::StateAfterCalculation(calc);
        const bool endsAtPoints = set % 3 == 0;
        s.XStart = endsAtPoints ? calc.points.front().first : logX ? 1 / width : -width;
        s.XStop = endsAtPoints ? calc.points.back().first : logX ? width : width;
        if (!(s.XStart < s.XStop))
            continue;
        const double lo = logX ? std::log(s.XStart) : s.XStart, hi = logX ? std::log(s.XStop) : s.XStop;
        const Quad center = s.ResultX[1] / 2 + s.ResultX[n] / 2,
                   scale = n > 1 ? s.ResultX[n] / 2 - s.ResultX[1] / 2 : 1;
        const std::vector<Quad> a = Expanded(s, center, scale);
        std::vector<double> levels{uniform(-2, 2), SavedPolynomial(s, uniform(lo, hi)),
                                   SavedPolynomial(s, lo)};
        for (const auto& [x, y] : calc.points)
            levels.push_back(logY ? std::log(y) : y);
        std::vector<Quad> slope;
        for (std::size_t k = 1; k < a.size(); ++k)
            slope.push_back(a[k] * k);
        for (const ComplexQuad u : slope.empty() ? std::vector<ComplexQuad>{} : AllRoots(slope))
            levels.push_back(SavedPolynomial(s, double(center + scale * __real__ u)));
        const CrossingFinder finder(s);
        for (const double level : levels) {
            const CrossingSearch found = finder.find(logY ? std::exp(level) : level);
            std::vector<Quad> shifted = a;
            shifted[0] -= logY ? std::log(std::exp(level)) : level;
            std::vector<ComplexQuad> roots = AllRoots(shifted);
            for (ComplexQuad& r : roots)
                r = center + scale * r;
            const auto near = [&](double t, ComplexQuad r) {
                const Quad d = 1e-6 * (double(scale) + std::fabs(double(__real__ r - center)));
                return __real__((r - t) * ~(r - t)) <= d * d;
            };
            int expected = 0;
            for (const ComplexQuad r : roots) {
                const double t = double(__real__ r),
                             margin = 1e-12 * (double(scale) + std::fabs(t - double(center)));
                const bool isolated = std::count_if(roots.begin(), roots.end(),
                                                    [&](ComplexQuad o) { return near(t, o); }) == 1 &&
                                      near(t, r);
                if (!isolated || t < lo - margin || t > hi + margin)
                    continue;
                ++expected;
                EXPECT_EQ(
                    std::count_if(found.crossings.begin(), found.crossings.end(),
                                  [&](const Crossing& c) { return near(logX ? std::log(c.x) : c.x, r); }),
                    1)
                    << "level " << level << " root " << t;
            }
            for (const Crossing& c : found.crossings)
                EXPECT_TRUE(std::any_of(roots.begin(), roots.end(),
                                        [&](ComplexQuad r) { return near(logX ? std::log(c.x) : c.x, r); }))
                    << "level " << level << " reported " << c.x;
        }
    }
}

TEST(Crossings, Refusals) {
    const Module1 logY = Loaded(testing::CalculationsOfEveryMode()[1]);
    EXPECT_EQ(CrossingsAtY(logY, "abc").outcome, CrossingOutcome::NotANumber);
    Module1 noRange = logY;
    noRange.XStop = noRange.XStart;
    EXPECT_EQ(CrossingsAtY(noRange, "3").outcome, CrossingOutcome::NoRange);
    Module1 flat = Loaded({1, {{0, 2}, {1, 2}}, {"0", "5", "1", "0", "5", "1"}});
    EXPECT_EQ(CrossingsText(CrossingsAtY(flat, "2")), kEverywhereText);
}

// A reader of the formulas' syntax: numbers, A2, + - * / ( ), unary minus, LN( ), EXP( ).
class FormulaReader {
  public:
    FormulaReader(const std::string& text, double a2) : m_s(text), m_a2(a2) {}
    double value() {
        EXPECT_EQ(m_s.substr(0, 1), "=");
        m_i = 1;
        const double v = sum();
        EXPECT_EQ(m_i, m_s.size()) << "unread: " << m_s.substr(m_i);
        return v;
    }

  private:
    bool take(const char* token) {
        const std::size_t n = std::char_traits<char>::length(token);
        if (m_s.compare(m_i, n, token) != 0)
            return false;
        m_i += n;
        return true;
    }
    double sum() {
        double v = product();
        for (;;) {
            if (take("+"))
                v += product();
            else if (take("-"))
                v -= product();
            else
                return v;
        }
    }
    double product() {
        double v = factor();
        for (;;) {
            if (take("*"))
                v *= factor();
            else if (take("/"))
                v /= factor();
            else
                return v;
        }
    }
    double inParentheses() {
        const double v = sum();
        EXPECT_TRUE(take(")")) << m_s.substr(m_i);
        return v;
    }
    double factor() {
        if (take("-"))
            return -factor();
        if (take("("))
            return inParentheses();
        if (take("LN("))
            return std::log(inParentheses());
        if (take("EXP("))
            return std::exp(inParentheses());
        if (take("A2"))
            return m_a2;
        char* end = nullptr;
        const double v = std::strtod(m_s.c_str() + m_i, &end);
        EXPECT_NE(end, m_s.c_str() + m_i) << "no number at " << m_s.substr(m_i);
        m_i = std::size_t(end - m_s.c_str());
        return v;
    }
    std::string m_s;
    double m_a2;
    std::size_t m_i = 0;
};

TEST(SpreadsheetFormula, GivesTheEvaluationAtXInEveryMode) {
    for (const Calculation& calc : testing::CalculationsOfEveryMode()) {
        SCOPED_TRACE("mode " + std::to_string(calc.mode));
        const Module1 s = Loaded(calc);
        const int n = s.PointCount;
        const std::string formula = SpreadsheetFormula(calc.mode, {s.ResultX.data() + 1, std::size_t(n)},
                                                       {s.ResultY.data() + 1, std::size_t(n)});
        EXPECT_EQ(formula.find_first_not_of("=+-*/().0123456789EA2LNXP"), std::string::npos) << formula;
        const bool logX = calc.mode >= 3;
        for (const double x :
             {logX ? 0.05 : -0.5, calc.points[1].first, logX ? 7.0 : 2.5, logX ? 900.0 : 4.5}) {
            const Evaluation e = EvaluateAt(s, x);
            ASSERT_TRUE(e.ok);
            EXPECT_NEAR(FormulaReader(formula, x).value(), e.y, 1e-9 * std::max(1.0, std::fabs(e.y)))
                << "X " << x;
        }
    }
    const double x[] = {1, 1}, y[] = {2, 3};
    EXPECT_EQ(SpreadsheetFormula(1, x, y), "") << "equal abscissae make no polynomial";
    EXPECT_EQ(SpreadsheetFormula(4, std::span(x, 1), std::span(y, 1)), "=EXP(2)");
    const double nx[] = {-0.5, 1e-20}, ny[] = {2.5, -3};
    EXPECT_EQ(SpreadsheetFormula(1, nx, ny),
              "=2.5*(A2-1E-20)/((-0.5)-1E-20)+(-3)*(A2-(-0.5))/(1E-20-(-0.5))");
}

} // namespace
} // namespace mirendo
