#include "core/text/NumberText.h"
#include "core/state/Module1.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <tuple>

namespace mirendo {
namespace {

struct TextToNumber {
    const char* text;
    double expected;
};

TEST(LeadingNumber, ReadsTheLongestNumberPrefixAndNeverFails) {
    // The last four: decade exponents, read from the last three characters of a limit text.
    const TextToNumber cases[] = {
        {"12abc", 12},    {"1e+03", 1000}, {"1E-2", 0.01}, {"  -1.5E-2x", -0.015},
        {"", 0},          {"   ", 0},      {"abc", 0},     {".", 0},
        {"-", 0},         {"+.", 0},       {"e5", 0},      {"E+03", 0},
        {"1E", 1},        {"1e+", 1},      {"1e-x", 1},    {"2.5e3.7", 2500},
        {".5", 0.5},      {"-.25", -0.25}, {"5.", 5},      {"+7", 7},
        {"1.5 2.5", 1.5}, {"1,5", 1},      {"0.1", 0.1},   {"\t3", 3},
        {"- 3", 0},       {"--3", 0},      {"1..2", 1},    {"12345678901234567890", 12345678901234567890.0},
        {"1e-400", 0},    {"-02", -2},     {"+03", 3},     {"E00", 0},
        {"100", 100},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeadingNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(LeadingNumber, NeverReturnsInfinityOrNegativeZero) {
    EXPECT_EQ(std::tuple(LeadingNumber("1e999"), LeadingNumber("-1e999")), std::tuple(DBL_MAX, -DBL_MAX));
    EXPECT_FALSE(std::signbit(LeadingNumber("-0")));
    EXPECT_FALSE(std::signbit(LeadingNumber("-0.000")));
    // No number at all (full-width digits are mapped by the boxes themselves, not here).
    for (const char* text : {"0x10", "NaN", "inf", "-Infinity", "\uFF11\uFF12"})
        EXPECT_EQ(LeadingNumber(text), 0) << text;
    // Texts of ten thousand characters.
    EXPECT_EQ(LeadingNumber(std::string(10000, '9')), DBL_MAX);
    EXPECT_EQ(LeadingNumber("0." + std::string(9999, '0') + "1"), 0);
    EXPECT_EQ(LeadingNumber(std::string(10000, ' ') + "12.5"), 12.5);
    EXPECT_EQ(LeadingNumber(std::string(10000, 'x')), 0);
}

// A box's reading (leading number) and a batch token's (the whole text), full width included:
// ４, －２．５, −１ｅ＋３, ＋７Ｅ－２, 　９　, １２円, ａ (only e and E map).
TEST(TypedNumber, FullWidthIsReadAsDigitsAndNoNumberIsNothing) {
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* text;
        double leading, whole; // kNone: no number
    };
    const Case typed[] = {{"2.5", 2.5, 2.5},      {" -3 ", -3, -3},      {".5", 0.5, 0.5},
                          {"5.", 5, 5},           {"1E+03", 1000, 1000}, {"12abc", 12, kNone},
                          {"3e", 3, kNone},       {"2.5.3", 2.5, kNone}, {"", kNone, kNone},
                          {"   ", kNone, kNone},  {"X", kNone, kNone},   {"-abc", kNone, kNone},
                          {"=1+2", kNone, kNone}, {"-", kNone, kNone},   {"\uFF41", kNone, kNone}};
    const Case fullWidth[] = {{"\uFF14", 4, 4},
                              {"\uFF0D\uFF12\uFF0E\uFF15", -2.5, -2.5},
                              {"\u2212\uFF11\uFF45\uFF0B\uFF13", -1000, -1000},
                              {"\uFF0B\uFF17\uFF25\uFF0D\uFF12", 0.07, 0.07},
                              {"\u3000\uFF19\u3000", 9, 9},
                              {"\uFF11\uFF12\u5186", 12, kNone}};
    const auto same = [](std::optional<double> got, double expected) {
        return std::isnan(expected) ? !got.has_value() : got == expected;
    };
    for (const auto& cases : {std::span<const Case>(typed), std::span<const Case>(fullWidth)}) {
        for (const Case& c : cases) {
            EXPECT_TRUE(same(TypedNumber(c.text), c.leading)) << '"' << c.text << '"';
            EXPECT_TRUE(same(WholeNumber(c.text), c.whole)) << '"' << c.text << '"';
        }
    }
}

struct NumberToText {
    double value;
    const char* expected;
};

TEST(FormatExponential, OneDecimal) {
    const NumberToText cases[] = {
        {12345, "1.2E+04"},     {-0.00012, "-1.2E-04"}, {1000.5, "1.0E+03"}, {1234.5, "1.2E+03"},
        {0.05, "5.0E-02"},      {250, "2.5E+02"},       {0, "0.0E+00"},      {-5, "-5.0E+00"},
        {2500, "2.5E+03"},      {150, "1.5E+02"},       {9.96, "1.0E+01"},   {-9.96, "-1.0E+01"},
        {0.125, "1.3E-01"},     {1.25, "1.3E+00"},      {-1.25, "-1.3E+00"}, {1e100, "1.0E+100"},
        {1.5e-100, "1.5E-100"}, {5e-100, "5.0E-100"},   {1e300, "1.0E+300"}, {-0.0, "0.0E+00"},
        {99.95, "1.0E+02"},     {1e-5, "1.0E-05"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatExponential(c.value, 1), c.expected) << c.value;
}

TEST(FormatExponential, ThreeFiveAndSixDecimals) {
    const struct {
        double value;
        int decimals;
        const char* expected;
    } cases[] = {
        {1500, 3, "1.500E+03"},
        {0.05, 3, "5.000E-02"},
        {-2000, 3, "-2.000E+03"},
        {0.00001, 3, "1.000E-05"},
        {12345.6, 3, "1.235E+04"},
        {12345.678, 3, "1.235E+04"},
        {0, 3, "0.000E+00"},
        {9999.5, 3, "1.000E+04"},
        {1.0005, 3, "1.001E+00"}, // half away from zero on the decimal value, not the binary one
        {12.5, 5, "1.25000E+01"},
        {-0.00123, 5, "-1.23000E-03"},
        {0, 5, "0.00000E+00"},
        {4.605170185988092, 5, "4.60517E+00"},
        {3.4028234663852886e38, 5, "3.40282E+38"},
        {1.401298464324817e-45, 5, "1.40130E-45"},
        {9.999995, 5, "1.00000E+01"},
        {12.5, 6, "1.250000E+01"},
        {-0.119047619047619, 6, "-1.190476E-01"},
        {2.675, 0, "3E+00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatExponential(c.value, c.decimals), c.expected) << c.value << " / " << c.decimals;
}

TEST(FormatFixed3, AlwaysThreeDecimals) {
    const NumberToText cases[] = {
        {0.5, "0.500"},         {-12.34567, "-12.346"}, {1000, "1000.000"},
        {-1000, "-1000.000"},   {12.34567, "12.346"},   {0, "0.000"},
        {0.0005, "0.001"},      {-0.0005, "-0.001"},    {0.0004, "0.000"},
        {-0.0004, "0.000"},     {2.675, "2.675"},       {1.0005, "1.001"},
        {999.9996, "1000.000"}, {-0.9999, "-1.000"},    {123456789.123, "123456789.123"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed3(c.value), c.expected) << c.value;
    EXPECT_EQ(FormatFixed3(1e20), "100000000000000000000.000");
}

TEST(FormatUpTo3Decimals, OneToThreeDecimals) {
    const NumberToText cases[] = {
        {0, "0.0"},         {10, "10.0"},     {-5.25, "-5.25"}, {123.4567, "123.457"},
        {0.0004, "0.0"},    {3, "3.0"},       {12.5, "12.5"},   {0.1234, "0.123"},
        {-1000, "-1000.0"}, {1000, "1000.0"}, {-0.0004, "0.0"}, {0.0005, "0.001"},
        {0.9996, "1.0"},    {-0.25, "-0.25"}, {0.1, "0.1"},     {2.0005, "2.001"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatUpTo3Decimals(c.value), c.expected) << c.value;
}

TEST(FormatTwoDigitIntegers, SignedAndPlain) {
    const struct {
        int value;
        const char *signedText, *plainText;
    } cases[] = {
        {3, "+03", "03"},  {-3, "-03", "-03"},   {0, "+00", "00"},       {-2, "-02", "-02"},
        {12, "+12", "12"}, {100, "+100", "100"}, {-100, "-100", "-100"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatSigned2(c.value), c.signedText) << c.value;
        EXPECT_EQ(FormatPlain2(c.value), c.plainText) << c.value;
    }
}

TEST(GeneralText, ShortestFormUpToFifteenDigits) {
    const NumberToText cases[] = {
        {12.5, "12.5"},
        {-3, "-3"},
        {100, "100"},
        {0, "0"},
        {-0.0, "0"},
        {1.5, "1.5"},
        {-0.25, "-0.25"},
        {0.5, "0.5"},
        {-100, "-100"},
        {-1000, "-1000"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.3"}, // 0.30000000000000004 needs 17 digits: 15 are the most written
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {999999999999999.9, "1E+15"},
        {1.5e20, "1.5E+20"},
        {-2.5e-5, "-2.5E-05"},
        {0.0001, "0.0001"},
        {0.00012, "0.00012"},
        {9.99999999999999999e-5, "0.0001"},
        {1e-100, "1E-100"},
        {1.7976931348623157e308, "1.79769313486232E+308"},
        {4.60517018598809, "4.60517018598809"},
        {static_cast<double>(0.1f), "0.100000001490116"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GeneralText(c.value), c.expected) << c.value;
}

TEST(GeneralText, ReadsBackTheSameValueWhenFifteenDigitsSuffice) {
    for (double v : {1.25, -7.5e-3, 6.02214076e23, 1e-4, 299792.458, 0.1, 123.456})
        EXPECT_EQ(LeadingNumber(GeneralText(v)), v) << v;
}

TEST(NonFinite, NamedRatherThanGarbage) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(std::tuple(GeneralText(inf), FormatExponential(-inf, 3), FormatFixed3(nan)),
              std::tuple("Infinity", "-Infinity", "NaN"));
}

TEST(ReadoutText, PatternBySizeAndAxis) {
    const struct {
        double value;
        bool logAxis;
        const char* expected;
    } cases[] = {
        {0.5, false, "0.500"},
        {-12.34567, false, "-12.346"},
        {1000, false, "1000.000"},
        {-1000, false, "-1000.000"},
        {1000.0001, false, "1.000E+03"},
        {12345.6, false, "1.235E+04"},
        {-12345.678, false, "-1.235E+04"},
        {12.34567, false, "12.346"},
        {0.5, true, "5.000E-01"},
        {1000, true, "1.000E+03"},
        {0.00001, true, "1.000E-05"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadoutText(c.value, c.logAxis), c.expected) << c.value << (c.logAxis ? " log" : " lin");
}

TEST(LimitLabelText, GeneralInsideTheBoundExponentOutside) {
    const struct {
        double value, bound;
        const char* expected;
    } cases[] = {
        {12.5, 1000, "12.5"}, {-3, 1000, "-3"},        {0.5, 1000, "0.5"},          {-1000, 1000, "-1000"},
        {1000, 1000, "1000"}, {2500, 1000, "2.5E+03"}, {-1000.5, 1000, "-1.0E+03"}, {0.5, 100, "0.5"},
        {-100, 100, "-100"},  {150, 100, "1.5E+02"},   {100.01, 100, "1.0E+02"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LimitLabelText(c.value, c.bound), c.expected) << c.value << " / " << c.bound;
}

TEST(Module1, CountsInUseStayWithinCapacity) {
    Module1 state;
    const struct {
        int count, points, samples;
    } cases[] = {{-1, 0, 0},   {0, 0, 0},      {7, 7, 7},     {10, 10, 10},
                 {11, 10, 11}, {600, 10, 600}, {601, 10, 600}};
    for (const auto& c : cases) {
        state.PointCount = c.count;
        state.SampleCount = c.count;
        EXPECT_EQ(state.PointsInUse(), c.points) << c.count;
        EXPECT_EQ(state.SamplesInUse(), c.samples) << c.count;
    }
}

} // namespace
} // namespace mirendo
