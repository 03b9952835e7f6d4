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
        {"several, one on a point", modes[0], 2, "0.146、3.000"},
        {"one outside the points", modes[0], -3.5, "4.670、5.826 外挿"},
        {"only touches between grid points", kParabola, 0, "2.000"},
        {"two crossings inside one grid step", kParabola, 1e-9, "2.000、2.000"},
        {"none in the range", kParabola, 100, "この範囲にはありません"},
        {"log Y", modes[1], 3, "1.386、4.000"},
        {"log X", modes[2], 7, "3.957E+00、1.000E+01"},
        {"log X and log Y", modes[3], 2, "4.099E-02、3.000E+01"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Module1 s = Loaded(c.calc);
        const CrossingSearch search = CrossingFinder(s).find(c.y);
        EXPECT_EQ(CrossingsText(search), c.text);
        for (std::size_t i = 0; i < search.crossings.size(); ++i) {
            const Crossing& x = search.crossings[i];
            const Evaluation back = EvaluateAt(s, x.x);
            EXPECT_TRUE(back.ok);
            EXPECT_EQ(back.text, ReadoutText(c.y, false)) << "at X " << x.text;
            EXPECT_EQ(back.extrapolated, x.extrapolated);
            if (i > 0) {
                EXPECT_LT(search.crossings[i - 1].x, x.x);
            }
        }
        const bool logY = AxesOfScaleMode(s.ScaleMode).y == AxisKind::Logarithmic;
        EXPECT_GE(int(search.crossings.size()), DenseSignChanges(s, logY ? std::log(c.y) : c.y));
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
    const double zx[] = {-0.0, 1}, zy[] = {-0.0, 1};
    EXPECT_EQ(SpreadsheetFormula(1, zx, zy), "=0*(A2-1)/(0-1)+1*(A2-0)/(1-0)") << "no minus zero";
}

} // namespace
} // namespace mirendo
