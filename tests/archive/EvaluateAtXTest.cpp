// Evaluation of the loaded polynomial at a typed X in the four scale modes.
#include "core/curve/EvaluateAtX.h"
#include "ArchiveSamples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace mirendo {
namespace {

// P(t) = t: the points (0, 0) and (1, 1) give the coefficients 0 and 1.
Module1 Identity(int mode) {
    Module1 s;
    s.ScaleMode = mode;
    s.PointCount = 2;
    s.ResultX[1] = 0;
    s.ResultX[2] = 1;
    s.Coef[1] = 0;
    s.Coef[2] = 1;
    return s;
}

TEST(EvaluateAtX, ValuesAndTheirDisplay) {
    struct Case {
        const char* name;
        int mode;
        const char* input;
        const char* shown;       // nullptr: the evaluation fails
        bool notANumber = false; // and fails before any arithmetic: the text holds no number
    };
    const std::vector<Case> cases = {
        {"rounded to three decimals", 1, "12.34567", "12.346"},
        {"half", 1, "0.5", "0.500"},
        {"negative", 1, "-12.34567", "-12.346"},
        {"exactly 1000", 1, "1000", "1000.000"},
        {"exactly -1000", 1, "-1000", "-1000.000"},
        {"just beyond 1000", 1, "1000.0001", "1.000E+03"},
        {"1500", 1, "1500", "1.500E+03"},
        {"large negative", 1, "-12345.678", "-1.235E+04"},
        {"small stays fixed", 1, "0.0004", "0.000"},
        {"empty text is no number", 1, "", nullptr, true},
        {"text is no number", 1, "abc", nullptr, true},
        {"leading number only", 1, "12abc", "12.000"},
        {"full-width digits", 1, "\uFF0D\uFF12\uFF0E\uFF15", "-2.500"},
        {"leading blanks", 1, "   7", "7.000"},
        {"E notation", 1, "1e+03", "1000.000"},
        {"three-digit exponent", 1, "1E+300", "1.000E+300"},
        {"mode 2 takes exp", 2, "0", "1.000"},
        {"mode 2 exp of 1", 2, "1", "2.718"},
        {"mode 2 is always positive", 2, "-30", "0.000"},
        {"mode 2 overflow of exp", 2, "1000", nullptr},
        {"mode 3 ln X", 3, "1", "0.000"},
        {"mode 3 ln e^2", 3, "7.389056", "2.000"},
        {"mode 3 ln 0", 3, "0", nullptr},
        {"mode 3 empty is no number", 3, "", nullptr, true},
        {"mode 3 negative X", 3, "-5", nullptr},
        {"mode 4 gives X back", 4, "1500", "1.500E+03"},
        {"mode 4 small value", 4, "0.02", "0.020"},
        {"mode 4 text is no number", 4, "x", nullptr, true},
    };
    for (const Case& c : cases) {
        const Evaluation e = EvaluateAtX(Identity(c.mode), c.input);
        EXPECT_EQ(e.notANumber, c.notANumber) << c.name;
        if (c.shown == nullptr) {
            EXPECT_FALSE(e.ok) << c.name;
            EXPECT_EQ(e.text, "") << c.name;
        } else {
            EXPECT_TRUE(e.ok) << c.name;
            EXPECT_EQ(e.text, c.shown) << c.name;
        }
    }
}

TEST(EvaluateAtX, OverflowOfTheProductOrTheSumFails) {
    Module1 s;
    s.ScaleMode = 1;
    s.PointCount = 3;
    for (int i = 1; i <= 3; ++i) {
        s.ResultX[i] = i;
        s.Coef[i] = 1;
    }
    EXPECT_TRUE(EvaluateAtX(s, "1E+100").ok);
    EXPECT_FALSE(EvaluateAtX(s, "1E+200").ok) << "product overflows";
    s.Coef[1] = 1e300;
    s.Coef[2] = 1e300;
    s.Coef[3] = 0;
    EXPECT_FALSE(EvaluateAtX(s, "1E+8").ok) << "sum overflows";
    EXPECT_FALSE(EvaluateAtX(s, "1E+400").ok) << "X itself overflows";
}

TEST(EvaluateAtX, EachPointGivesItsYInEveryMode) {
    for (const testing::Calculation& calc : testing::CalculationsOfEveryMode()) {
        const Module1 s = testing::StateAfterCalculation(calc);
        for (const auto& [x, y] : calc.points) {
            char input[32];
            std::snprintf(input, sizeof input, "%.10g", x);
            const Evaluation e = EvaluateAtX(s, input);
            ASSERT_TRUE(e.ok) << "mode " << calc.mode << " X " << x;
            EXPECT_NEAR(e.y, y, 1e-9 * std::max(1.0, std::fabs(y))) << "mode " << calc.mode << " X " << x;
        }
    }
}

TEST(EvaluateAtX, SumsInAscendingOrderWithTheLagrangeForm) {
    // P(t) = c1 (t - x2)(t - x3) + c2 (t - x1)(t - x3) + c3 (t - x1)(t - x2), at t = 4.
    Module1 s;
    s.ScaleMode = 1;
    s.PointCount = 3;
    s.ResultX = {0, 1, 2, 3};
    s.Coef = {0, 0.5, -1, 2};
    const double expected = 0.5 * (4 - 2) * (4 - 3) - 1 * (4 - 1) * (4 - 3) + 2 * (4 - 1) * (4 - 2);
    const Evaluation e = EvaluateAtX(s, "4");
    ASSERT_TRUE(e.ok);
    EXPECT_DOUBLE_EQ(e.y, expected);
    EXPECT_EQ(e.text, "10.000");
}

} // namespace
} // namespace mirendo
