// Slope, area and grids against closed forms, their refusals, and one loop of random and hostile
// point sets against independent oracles: a Richardson difference of the barycentric polynomial
// for the slope, and fixed Gauss-Legendre panels in data units for the area.
#include "ArchiveSamples.h"
#include "core/curve/CurveArea.h"
#include "core/curve/CurveSlope.h"
#include "core/curve/LagrangePolynomial.h"
#include "core/curve/ValueGrid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

namespace mirendo {
namespace {

Module1 Through(int mode, const std::function<double(double)>& y, std::vector<double> xs, double x0,
                double x1) {
    testing::Calculation calc{mode, {}, {}};
    for (const double x : xs)
        calc.points.emplace_back(x, y(x));
    Module1 s = testing::StateAfterCalculation(calc);
    s.XStart = x0;
    s.XStop = x1;
    return s;
}

TEST(SlopeAndArea, ClosedForms) {
    const auto cubic = [](double x) { return x * x * x - 2 * x * x + 3 * x - 1; };
    const auto cubicArea = [](double x) { return x * x * x * x / 4 - 2 * x * x * x / 3 + 1.5 * x * x - x; };
    const Module1 cubicState = Through(1, cubic, {-1, 0.5, 2, 3.5}, -2, 5);
    const Module1 powerLaw = Through(
        4, [](double x) { return 3 * std::pow(x, 1.7); }, {0.1, 1, 5, 20, 100}, 0.01, 1000);
    struct Case {
        const char* name;
        Module1 state;
        double x, slope;   // slope at x in the mode's space
        double a, b, area; // area from a to b in data units
        bool extrapolated;
        double tolerance;
    };
    const Case cases[] = {
        {"cubic, Linear - Linear", cubicState, 1.3, 3 * 1.69 - 4 * 1.3 + 3, -1, 3.5,
         cubicArea(3.5) - cubicArea(-1), false, 1e-12},
        {"cubic beyond its points", cubicState, -2, 12 + 8 + 3, 4.5, -2, cubicArea(-2) - cubicArea(4.5), true,
         1e-12},
        {"power law, Log - Log", powerLaw, 7.3, 1.7, 0.5, 50,
         3 / 2.7 * (std::pow(50, 2.7) - std::pow(0.5, 2.7)), false, 1e-9},
        {"power law over five decades", powerLaw, 0.02, 1.7, 0.01, 1000,
         3 / 2.7 * (std::pow(1000, 2.7) - std::pow(0.01, 2.7)), true, 1e-9},
        {"exponential, Linear - Log",
         Through(
             2, [](double x) { return 2 * std::exp(0.3 * x); }, {0, 4, 10}, 0, 20),
         3, 0.3, 1, 15, 2 / 0.3 * (std::exp(4.5) - std::exp(0.3)), true, 1e-9},
        {"logarithm, Log - Linear",
         Through(
             3, [](double x) { return 2 + 3 * std::log(x); }, {1, 10, 100}, 0.1, 1000),
         50, 3, 2, 80, (2 * 80 + 3 * (80 * std::log(80) - 80)) - (2 * 2 + 3 * (2 * std::log(2) - 2)), false,
         1e-9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(SlopeAt(c.state, c.x), c.slope, c.tolerance * std::fabs(c.slope));
        const Area area = AreaBetween(c.state, c.a, c.b);
        ASSERT_EQ(area.outcome, AreaOutcome::Found);
        EXPECT_NEAR(area.value, c.area, c.tolerance * std::fabs(c.area));
        EXPECT_EQ(area.extrapolated, c.extrapolated);
    }
}

TEST(SlopeAndArea, RefusalsInWords) {
    const auto line = [](double x) { return 70 * x + 1; };
    struct Case {
        const char* name;
        Module1 state;
        const char *x1, *x2;
        AreaOutcome outcome;
        int box;
    };
    const Case cases[] = {
        {"empty X1", Through(1, line, {0, 10}, 0, 20), " ", "3", AreaOutcome::NoValue, 1},
        {"X2 no number", Through(1, line, {0, 10}, 0, 20), "1", "abc", AreaOutcome::NotANumber, 2},
        {"zero on a log X axis", Through(3, line, {1, 10}, 0.1, 100), "0", "3", AreaOutcome::NeedsPositiveX,
         1},
        {"negative on a log X axis", Through(4, line, {1, 10}, 0.1, 100), "1", "-3",
         AreaOutcome::NeedsPositiveX, 2},
        {"beyond the graph", Through(1, line, {0, 10}, 0, 20), "1", "20.5", AreaOutcome::OutsideGraph, 2},
        {"graph limits equal", Through(1, line, {0, 10}, 5, 5), "1", "2", AreaOutcome::NoRange, 0},
        {"log axis from 0", Through(3, line, {1, 10}, 0, 100), "1", "2", AreaOutcome::NoRange, 0},
        {"exp P overflows",
         Through(
             2, [](double x) { return std::exp(70 * x); }, {0, 10}, 0, 20),
         "0", "20", AreaOutcome::Overflow, 0},
        {"no points", Module1{}, "1", "2", AreaOutcome::NoCurve, 0},
    };
    for (const Case& c : cases) {
        const Area area = AreaUnderCurve(c.state, c.x1, c.x2);
        EXPECT_EQ(area.outcome, c.outcome) << c.name;
        EXPECT_EQ(area.box, c.box) << c.name;
        EXPECT_TRUE(area.text.empty()) << c.name;
    }
}

TEST(SlopeAndArea, SlopeWordsKeepTheirDigits) {
    EXPECT_EQ(SlopeText(4, 1.7), "傾き dlnY/dlnX = 1.700");
    EXPECT_EQ(SlopeText(1, -4e-4), "傾き dY/dX = -4.000E-04"); // not a flat "-0.000"
    EXPECT_EQ(SlopeText(2, 0), "傾き dlnY/dX = 0.000");
    EXPECT_EQ(SlopeText(3, 2.5e6), "傾き dY/dlnX = 2.500E+06");
    EXPECT_EQ(ComparisonSlopeText(NAN), "比較 傾き = 計算できません");
}

TEST(ValueGrids, ValuesAndRefusals) {
    struct Case {
        const char* name;
        ValueGrid grid;
        std::vector<std::string> values; // first, second, last; empty when refused
        std::size_t count;
        GridRefusal refusal;
    };
    const Case cases[] = {
        {"tenths reach the stop", LinearGrid("0", "1", "0.1"), {"0", "0.1", "1"}, 11, GridRefusal::None},
        {"downward, step's sign ignored",
         LinearGrid("1", "-1", "0.1"),
         {"1", "0.9", "-1"},
         21,
         GridRefusal::None},
        {"stops short of the stop", LinearGrid("0", "1", "0.3"), {"0", "0.3", "0.9"}, 4, GridRefusal::None},
        {"one value", LinearGrid("5", "5", "1"), {"5", "5", "5"}, 1, GridRefusal::None},
        {"exactly the cap",
         LinearGrid("1", "100000", "1"),
         {"1", "2", "100000"},
         kMaxGridValues,
         GridRefusal::None},
        {"one beyond the cap", LinearGrid("0", "100000", "1"), {}, 0, GridRefusal::TooMany},
        {"huge span", LinearGrid("-1E308", "1E308", "1E-308"), {}, 0, GridRefusal::TooMany},
        {"zero step", LinearGrid("0", "1", "0"), {}, 0, GridRefusal::ZeroStep},
        {"step no number", LinearGrid("0", "1", "0.1x"), {}, 0, GridRefusal::NotANumber},
        {"three per decade",
         PerDecadeGrid("3", "1", "1000"),
         {"1", "2.15443469003", "1000"},
         10,
         GridRefusal::None},
        {"downward decades", PerDecadeGrid("1", "100", "0.1"), {"100", "10", "0.1"}, 4, GridRefusal::None},
        {"half a count", PerDecadeGrid("2.5", "1", "10"), {}, 0, GridRefusal::PerDecadeCount},
        {"zero start", PerDecadeGrid("10", "0", "10"), {}, 0, GridRefusal::NeedsPositive},
        {"too many decades", PerDecadeGrid("1000", "1E-300", "1E300"), {}, 0, GridRefusal::TooMany},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.grid.refusal, c.refusal);
        if (c.values.empty()) {
            EXPECT_TRUE(c.grid.values.empty());
            continue;
        }
        ASSERT_EQ(c.grid.values.size(), c.count);
        EXPECT_EQ(c.grid.values.front(), c.values[0]);
        EXPECT_EQ(c.grid.values[c.count > 1 ? 1 : 0], c.values[1]);
        EXPECT_EQ(c.grid.values.back(), c.values[2]);
    }
}

// The oracle's curve in data units at data-unit x, from the barycentric polynomial.
double DataValue(const LagrangePolynomial& p, AxisKinds axes, double x) {
    const double t = axes.x == AxisKind::Logarithmic ? std::log(x) : x;
    const double v = p(t);
    return axes.y == AxisKind::Logarithmic ? std::exp(v) : v;
}

TEST(SlopeAndArea, RandomAndHostilePointSetsAgreeWithIndependentOracles) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> unit(0, 1);
    int compared = 0;
    for (int round = 0; round < 400; ++round) {
        const int mode = 1 + round % 4;
        const AxisKinds axes = AxesOfScaleMode(mode);
        const int n = 2 + int(unit(random) * 5);
        // Ranges from 1E-150 to 1E+150 wide in data units on linear axes; a few hostile values.
        const double scale = std::pow(10.0, axes.x == AxisKind::Linear ? (unit(random) - 0.5) * 300 : 0);
        std::vector<double> xs;
        for (int i = 0; i < n; ++i)
            xs.push_back(axes.x == AxisKind::Logarithmic ? std::exp(unit(random) * 8 - 4)
                                                         : (unit(random) - 0.5) * scale);
        std::sort(xs.begin(), xs.end());
        const double hostile = round % 25 == 0 ? std::nan("") : (round % 25 == 1 ? 1e300 : 0);
        const auto y = [&](double x) { return hostile != 0 ? hostile : 1 + unit(random) * 3 + x * 0; };
        Module1 s = Through(mode, y, xs, xs.front(), xs.back());
        const std::vector<double> t(s.ResultX.begin() + 1, s.ResultX.begin() + 1 + n);
        const std::vector<double> v(s.ResultY.begin() + 1, s.ResultY.begin() + 1 + n);
        LagrangePolynomial oracle;
        const bool usable =
            oracle.init(t, v) && std::all_of(v.begin(), v.end(), [](double e) { return std::isfinite(e); });
        const double a = xs.front(), b = xs.back();
        const Area area = AreaBetween(s, a, b);
        const double slope = SlopeAt(s, xs[1]);
        if (!usable) {
            EXPECT_NE(area.outcome, AreaOutcome::Found) << round;
            continue;
        }
        // The slope at an inner abscissa against a Richardson-extrapolated central difference.
        const double span = t.back() - t.front(), at = t[1] + 0.3 * (t[1] - t[0]);
        const auto difference = [&](double h) { return (oracle(at + h) - oracle(at - h)) / (2 * h); };
        const double h = 1e-3 * span;
        const double expected = (4 * difference(h / 2) - difference(h)) / 3;
        const double vmax = std::fabs(*std::max_element(
            v.begin(), v.end(), [](double p, double q) { return std::fabs(p) < std::fabs(q); }));
        EXPECT_TRUE(std::isfinite(slope)) << round;
        if (std::isnan(expected)) { // the oracle's own sums overflowed (Y near the largest double)
            EXPECT_NE(area.outcome, AreaOutcome::NoCurve) << round;
            continue;
        }
        EXPECT_NEAR(SlopeAt(s, axes.x == AxisKind::Logarithmic ? std::exp(at) : at), expected,
                    1e-7 * (std::fabs(expected) + vmax / span))
            << "round " << round;
        // The area against 400 fixed five-point Gauss-Legendre panels in data units (geometric on
        // a logarithmic X axis).
        static constexpr double node[5] = {-0.906179845938664, -0.538469310105683, 0, 0.538469310105683,
                                           0.906179845938664};
        static constexpr double weight[5] = {0.236926885056189, 0.478628670499366, 0.568888888888889,
                                             0.478628670499366, 0.236926885056189};
        double sum = 0, magnitude = 0;
        for (int k = 0; k < 400; ++k) {
            const auto edge = [&](int j) {
                return axes.x == AxisKind::Logarithmic ? a * std::pow(b / a, j / 400.0)
                                                       : a + (b - a) * j / 400.0;
            };
            const double lo = edge(k), hi = edge(k + 1);
            for (int q = 0; q < 5; ++q) {
                const double f = DataValue(oracle, axes, (lo + hi) / 2 + (hi - lo) / 2 * node[q]) *
                                 weight[q] * (hi - lo) / 2;
                sum += f;
                magnitude += std::fabs(f);
            }
        }
        if (!std::isfinite(sum)) {
            EXPECT_EQ(area.outcome, AreaOutcome::Overflow) << round;
            continue;
        }
        ASSERT_EQ(area.outcome, AreaOutcome::Found) << round;
        EXPECT_NEAR(area.value, sum, 1e-8 * magnitude) << "round " << round << " mode " << mode;
        ++compared;
    }
    EXPECT_GT(compared, 300);
}

} // namespace
} // namespace mirendo
