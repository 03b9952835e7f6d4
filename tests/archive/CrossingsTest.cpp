// The inverse question and the curve as a spreadsheet formula. Every X reported for a Y evaluates
// back to that Y as the evaluation at X shows it, and a dense scan finds no crossing the search
// missed; the formula, read by a small expression reader, gives the evaluation's value.
#include "ArchiveSamples.h"
#include "core/curve/CrossingsAtY.h"
#include "core/curve/EvaluateAtX.h"
#include "core/curve/SpreadsheetFormula.h"
#include "core/text/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <ranges>
#include <string>

namespace mirendo {
namespace {

using testing::Calculation;
constexpr const char* kNone = "この範囲にはありません";

// A value in its axis's space; whether the state's axes are logarithmic.
const auto Space = [](bool log, double x) { return log ? std::log(x) : x; };
const auto LogX = [](const Module1& s) { return AxesOfScaleMode(s.ScaleMode).x == AxisKind::Logarithmic; };
const auto LogY = [](const Module1& s) { return AxesOfScaleMode(s.ScaleMode).y == AxisKind::Logarithmic; };

// As calculated, or (`saved`) as the browser loads it from the archive: points and coefficients
// rounded to 6 and 7 digits.
Module1 Loaded(const Calculation& calc, bool saved = false) {
    Module1 s = testing::StateAfterCalculation(calc), archived;
    std::tie(s.XStart, s.XStop) = std::pair(LeadingNumber(calc.settings[0]), LeadingNumber(calc.settings[1]));
    LoadSavedPlot(ParseArchive(FormatArchive(s, calc.settings).value).value, "", archived);
    return saved ? archived : s;
}

// (x - 2)^2 through four points, X from 0 to 6: its minimum 0 at X = 2 lies between grid points.
const Calculation kParabola{1, {{0, 4}, {1, 1}, {3, 1}, {4, 4}}, {"0", "6", "1", "-1", "10", "1"}};
// Ten points over [start, stop]: ex_runge.csv's, or (i, i mod 2) for i = 1..10 (nine crossings of 0.5).
Calculation Ten(int mode, const char* start, const char* stop, bool runge = false) {
    const double ys[] = {0.0384615, 0.0620214, 0.114731, 0.264706, 0.764151};
    Calculation c{mode, {}, {start, stop, "1", "-1", "2", "1"}};
    for (int i = 0; i < 10; ++i)
        c.points.push_back(runge ? std::pair(std::stod(std::to_string(-1 + i / 4.5)), ys[std::min(i, 9 - i)])
                                 : std::pair(i + 1.0, (i + 1) % 2 * 1.0));
    return c;
}

// Every complex root of sum a[k] u^k - shift (a.back() != 0) by Weierstrass' simultaneous iteration
// in extended precision from a circle of Fujiwara's bound: nothing of the finder's bisection.
std::vector<std::complex<long double>> AllRoots(std::vector<long double> a, long double shift = 0) {
    a[0] -= shift;
    const std::size_t d = a.size() - 1;
    long double radius = 0;
    for (std::size_t k = 1; k <= d; ++k)
        radius = std::max(radius, 2 * std::pow(std::fabs(a[d - k] / a[d]), 1.0L / k));
    std::vector<std::complex<long double>> z(d);
    std::ranges::generate(z, [&, i = 0]() mutable { return std::polar(radius, 0.4L + 6.2832L * i++ / d); });
    for (int iteration = 0, moved = 1; moved && iteration < 200; ++iteration)
        for (std::size_t i = moved = 0; i < d; ++i) {
            std::complex<long double> p = 0, q = a[d];
            for (std::size_t k = d + 1; k-- > 0;)
                p = p * z[i] + a[k], q *= k == i || k == d ? 1 : z[i] - z[k];
            z[i] -= p / q;
            moved |= std::abs(p / q) > 1e-18L * std::abs(z[i]);
        }
    return z;
}

// The X found for y, each checked: its evaluation (empty unless ok) gives y back, as does its
// text, and the texts ascend. Returns them in the mode's space.
std::vector<double> CheckedCrossings(const Module1& s, double y, const CrossingSearch& search) {
    std::vector<double> xs, shown{-HUGE_VAL};
    for (const Crossing& x : search.crossings) {
        SCOPED_TRACE("at X " + x.text);
        const Evaluation back = EvaluateAt(s, x.x);
        EXPECT_EQ(std::pair(back.text, back.extrapolated), std::pair(ReadoutText(y, false), x.extrapolated));
        EXPECT_EQ(EvaluateAtX(s, x.text).text, back.text);
        EXPECT_LT(shown.back(), LeadingNumber(x.text));
        shown.push_back(LeadingNumber(x.text)), xs.push_back(Space(LogX(s), x.x));
    }
    return xs;
}

TEST(Crossings, EveryXShowsTheYBack) {
    const std::vector<Calculation> modes = testing::CalculationsOfEveryMode();
    const Module1 runge = Loaded(Ten(1, "-1", "1", true), true), parabola = Loaded(kParabola);
    // name, state, Y, X texts (nullptr: nine X)
    const std::tuple<const char*, Module1, double, const char*> cases[] = {
        {"several, one on a point", Loaded(modes[0]), 2, "0.1459、3.000"},
        {"one outside the points", Loaded(modes[0]), -3.5, "4.670、5.8264 外挿"},
        {"only touches between grid points", parabola, 0, "2.000"},
        {"two crossings 6E-05 apart", parabola, 1e-9, "1.99997、2.00003"},
        {"a minimum above Y", Loaded({1, {{0, .002}, {1, .0014}, {2, .002}}, {"0", "2"}}), 0.001, kNone},
        {"a maximum below Y", runge, 0.86154, kNone},
        {"the points' Y at both ends", runge, 0.0384615, "-1.000、-0.78933、0.78933、1.000"},
        {"start on a point", Loaded({1, {{1, 3}, {2, 5}}, {"1", "4", "1", "0", "5", "1"}}, true), 3, "1.000"},
        {"a steep line", Loaded({1, {{0, 0}, {1, 1000}}, {"0", "1"}}), 500.5, "0.5005"},
        {"nine over -1E6..1E6", Loaded(Ten(1, "-1E6", "1E6")), 0.5, nullptr},
        {"nine over 1E-300..1E300", Loaded(Ten(3, "1E-300", "1E300")), 0.5, nullptr},
        {"none in the range", parabola, 100, kNone},
        {"log Y", Loaded(modes[1]), 3, "1.3864、4.000"},
        {"log X", Loaded(modes[2]), 7, "3.957E+00、1.000E+01"},
        {"log X and log Y", Loaded(modes[3]), 2, "4.0985E-02、3.000E+01"},
    };
    for (const auto& [name, s, y, text] : cases) {
        SCOPED_TRACE(name);
        const CrossingSearch search = CrossingFinder(s).find(y);
        EXPECT_EQ(text ? CrossingsText(search) : std::to_string(search.crossings.size()), text ? text : "9");
        CheckedCrossings(s, y, search);
        // The sign changes of P - Y on a grid a hundred times finer than the search's: each is a
        // crossing the search must have reported.
        const double lo = Space(LogX(s), s.XStart), hi = Space(LogX(s), s.XStop), level = Space(LogY(s), y);
        const auto under = [&](int i) { return SavedPolynomial(s, lo + (hi - lo) * i / 409600) < level; };
        const auto changes = [&](int i) { return under(i - 1) != under(i); };
        EXPECT_GE(std::ssize(search.crossings), std::ranges::count_if(std::views::iota(1, 409601), changes));
    }
}

// Random point sets in the four modes over ranges from +-1 to +-1E6 and log ranges to 1E+-300,
// levels at random, at the points' Y, at the range start and at the extrema, against the roots of
// P(mid + half u) - level (t = mid + half u in the mode's space). Within d = 1E-6 (half
// + |t - mid|) counts as the same place: a tangency shifted by a rounding of the level splits
// by some 1E-8 of that, so a root with another within d is a tangency whose count the rounding
// decides (0, 1 or 2 may be reported); every other real root inside the range, or within 1E-12
// of an end (a level taken there), is reported once, and every X reported lies near a root.
TEST(Crossings, AgreeWithExtendedPrecisionRoots) {
    std::mt19937_64 random(20261208);
    const auto uniform = [&](double a, double b) { return std::uniform_real_distribution<>(a, b)(random); };
    for (int set = 0; set < 400; ++set) {
        const int mode = 1 + set % 4, n = 1 + set / 4 % 10;
        const bool logX = mode >= 3, logY = mode % 2 == 0;
        const double width = std::pow(10.0, uniform(0, logX ? 300 : 6)), spread = uniform(0.001, 1);
        Calculation calc{mode, {}, {}};
        for (int i = 0; i < n; ++i)
            calc.points.push_back({logX ? std::exp(uniform(-7, 7) * spread) : uniform(-1, 1) * spread * width,
                                   logY ? std::exp(uniform(-3, 3)) : uniform(-1, 1)});
        std::ranges::sort(calc.points);
        Module1 s = testing::StateAfterCalculation(calc);
        s.XStart = set % 3 == 0 ? calc.points.front().first : logX ? 1 / width : -width;
        s.XStop = set % 3 == 0 && n > 1 ? calc.points.back().first : width;
        const double lo = Space(logX, s.XStart), hi = Space(logX, s.XStop);
        const long double mid = s.ResultX[1] / 2 + s.ResultX[n] / 2, half = n > 1 ? s.ResultX[n] - mid : 1;
        std::vector<long double> a(std::size_t(n), 0.0L), slope{0}; // slope: u P'(u)
        for (int i = 1; i <= n; ++i) {
            std::vector<long double> term{s.Coef[i]}; // its product, expanded one factor at a time
            for (int k = 1; k <= n; ++k)
                for (std::size_t j = (k != i ? term.emplace_back(0), term.size() - 1 : 0); j-- > 0;)
                    term[j + 1] += term[j] * half, term[j] *= mid - s.ResultX[k];
            std::ranges::transform(a, term, a.begin(), std::plus<>());
        }
        std::vector<double> levels{uniform(-2, 2), SavedPolynomial(s, uniform(lo, hi)),
                                   SavedPolynomial(s, lo), s.ResultY[n]};
        for (int i = 1; i < n; ++i)
            levels.push_back(s.ResultY[i]), slope.push_back(a[std::size_t(i)] * i);
        for (const auto u : AllRoots(slope)) // at the extrema and 1E-9 beside them
            for (const double beside : {1.0, 1 + 1e-9, 1 - 1e-9})
                levels.push_back(beside * SavedPolynomial(s, double(mid + half * u.real())));
        const auto near = [&](double t, auto u, double d = 1e-6) {
            return std::abs(mid + half * u - static_cast<long double>(t)) <= d * (half + std::fabs(t - mid));
        };
        for (const double level : levels) {
            SCOPED_TRACE("set " + std::to_string(set) + " level " + std::to_string(level));
            const double y = logY ? std::exp(level) : level;
            const auto roots = AllRoots(a, Space(logY, y));
            const std::vector<double> found = CheckedCrossings(s, y, CrossingFinder(s).find(y));
            for (const auto u : roots) {
                const double t = double(mid + half * u.real());
                const bool inside = near(lo, u, 1e-12) || near(hi, u, 1e-12) || (t > lo && t < hi);
                if (inside && near(t, u) &&
                    std::ranges::count_if(roots, [&](auto o) { return near(t, o); }) == 1) {
                    EXPECT_EQ(std::ranges::count_if(found, [&](double x) { return near(x, u); }), 1) << t;
                }
            }
            for (const double t : found)
                EXPECT_TRUE(std::ranges::any_of(roots, [&](auto u) { return near(t, u); })) << t;
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
        const double v = chain(true);
        EXPECT_EQ(m_i, m_s.size()) << "unread: " << m_s.substr(m_i);
        return v;
    }

  private:
    bool take(std::string_view t) { return m_s.compare(m_i, t.size(), t) == 0 && (m_i += t.size()) != 0; }
    // Operands of one precedence level taken left to right: terms joined by + and - (`sums`), or
    // factors joined by * and /.
    double chain(bool sums) {
        const auto operand = [&] { return sums ? chain(false) : factor(); };
        for (double v = operand();;) {
            if (take(sums ? "+" : "*"))
                v = sums ? v + operand() : v * operand();
            else if (take(sums ? "-" : "/"))
                v = sums ? v - operand() : v / operand();
            else
                return v;
        }
    }
    double factor() {
        if (take("-"))
            return -factor();
        if (take("A2"))
            return m_a2;
        for (const char* call : {"(", "LN(", "EXP("})
            if (take(call)) {
                const double v = chain(true);
                EXPECT_TRUE(take(")")) << m_s.substr(m_i);
                return *call == 'L' ? std::log(v) : *call == 'E' ? std::exp(v) : v;
            }
        std::size_t length = 0; // std::stod throws where no number stands
        const double v = std::stod(m_s.substr(m_i), &length);
        m_i += length;
        return v;
    }
    std::string m_s;
    double m_a2;
    std::size_t m_i = 1;
};

TEST(SpreadsheetFormula, GivesTheEvaluationAtXInEveryMode) {
    for (const Calculation& calc : testing::CalculationsOfEveryMode()) {
        SCOPED_TRACE("mode " + std::to_string(calc.mode));
        const Module1 s = Loaded(calc);
        const std::size_t n = std::size_t(s.PointCount);
        const std::string formula = SpreadsheetFormula(calc.mode, {&s.ResultX[1], n}, {&s.ResultY[1], n});
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
    const double zx[] = {-0.0, 1}, zy[] = {-0.0, 1};
    EXPECT_EQ(SpreadsheetFormula(1, zx, zy), "=0*(A2-1)/(0-1)+1*(A2-0)/(1-0)") << "no minus zero";
}

} // namespace
} // namespace mirendo
