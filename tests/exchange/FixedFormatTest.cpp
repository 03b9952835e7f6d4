#include "core/exchange/FixedFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

namespace mirendo::exchange {
namespace {

TEST(FormatIw, RightAlignedOrAsterisks) {
    const struct {
        long long value;
        int width;
        const char* expected;
    } cases[] = {
        {1, 2, " 1"},  {3, 6, "     3"}, {450, 6, "   450"}, {0, 6, "     0"},
        {-5, 2, "-5"}, {12, 2, "12"},    {123, 2, "**"},     {-12, 2, "**"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatIw(c.value, c.width), c.expected) << c.value;
}

TEST(FormatEw, ZeroAheadOfThePointAndExactRounding) {
    const struct {
        double value;
        int width, digits;
        const char* expected;
    } cases[] = {
        {12.5, 12, 5, " 0.12500E+02"},
        {12.5, 14, 7, " 0.1250000E+02"},
        {-0.003f, 14, 7, "-0.3000000E-02"},
        {0, 14, 7, " 0.0000000E+00"},
        {-0.0, 14, 7, "-0.0000000E+00"},
        {0, 12, 5, " 0.00000E+00"},
        {10, 12, 5, " 0.10000E+02"},
        {1, 14, 7, " 0.1000000E+01"},
        {0.125f, 14, 7, " 0.1250000E+00"},
        {0.119047619f, 14, 7, " 0.1190476E+00"},
        {0.004464286f, 14, 7, " 0.4464286E-02"},
        {-0.05463316f, 14, 7, "-0.5463316E-01"},
        // Carry out of the leading digit moves the exponent.
        {9.99999951, 14, 7, " 0.1000000E+02"},
        {9.9999995, 14, 7, " 0.9999999E+01"}, // the double 9.99999949999... stays below the half
        {9.99999904632568359375, 12, 5, " 0.10000E+02"},
        {9.99999904632568359375, 14, 7, " 0.9999999E+01"},
        {0.099999994f, 14, 7, " 0.9999999E-01"},
        {0.0999999999, 12, 5, " 0.10000E+00"},
        // The float's exact value decides, not its shortest decimal: 0.1f is 0.100000001490116...
        {0.1f, 14, 7, " 0.1000000E+00"},
        {1.00000012f, 14, 7, " 0.1000000E+01"},
        {1.0000005f, 14, 7, " 0.1000000E+01"},
        {1.0000012f, 14, 7, " 0.1000001E+01"},
        // Exact ties go to even, as the C library rounds.
        {12345665, 14, 7, " 0.1234566E+08"},
        {12345675, 14, 7, " 0.1234568E+08"},
        {3.4028234663852886e38, 14, 7, " 0.3402823E+39"},
        {1.401298464324817e-45, 14, 7, " 0.1401298E-44"},
        {-1.17549435e-38f, 14, 7, "-0.1175494E-37"},
        {1e100, 14, 7, " 0.1000000+101"},
        {1e200, 12, 7, "************"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatEw(c.value, c.width, c.digits), c.expected) << c.value;
}

TEST(ParseEwField, BlanksIgnoredAnyOrdinaryForm) {
    const struct {
        const char* field;
        float expected;
    } cases[] = {
        {"+1.25000E+01", 12.5f},
        {" -3.00000E+00", -3.0f},
        {"-0.00000E+00", 0.0f},
        {"  1.5       ", 1.5f},
        {"+1. 25E +01", 12.5f},
        {"2.5e3", 2500.0f},
        {"3.0D0", 3.0f},
        {"1.0+05", 1.0e5f},
        {"1.0-05", 1.0e-5f},
        {"12345", 0.12345f}, // no point: the last five digits are the fraction
        {"12345E2", 12.345f},
        {"-7", -0.00007f},
        {".5", 0.5f},
        {"5.", 5.0f},
        {"1.0E-50", 0.0f},                   // underflow proceeds silently
        {"0.1", 0.1f},                       // straight to single precision
        {"1.00000005960464477539062", 1.0f}, // exactly half an ulp above 1: ties to even in strtof
        {"1.000000059604644775390626", 1.00000012f},
    };
    for (const auto& c : cases) {
        const auto value = ParseEwField(c.field, 5);
        ASSERT_TRUE(value.has_value()) << '"' << c.field << '"';
        EXPECT_EQ(*value, c.expected) << '"' << c.field << '"';
    }
}

TEST(ParseEwField, RefusesWhatIsNotANumber) {
    for (const char* field : {"", "            ", "abc", "+", "-.", "1.2.3", "1E", "1E+", "E5", "1.0x", "inf",
                              "nan", "0x1p3", "1,5", "+1.00000E+39", "-1.0E+40", "1e999999999999"}) {
        Failure refusal = Failure::Of(Cause::EndedEarly);
        EXPECT_FALSE(ParseEwField(field, 5, &refusal).has_value()) << '"' << field << '"';
        EXPECT_TRUE(refusal.cause == Cause::NotANumber || refusal.cause == Cause::OutOfRange)
            << '"' << field << '"';
    }
}

TEST(FreeForm, IntegersAndReals) {
    EXPECT_EQ(std::tuple(ParseFreeInteger("3"), ParseFreeInteger("+10"), ParseFreeInteger("-1"),
                         ParseFreeInteger("2147483647"), ParseFreeInteger("-2147483648")),
              std::tuple(3, 10, -1, 2147483647, -2147483647 - 1));
    for (const char* bad :
         {"", "+", "3.0", "1e2", "2147483648", "-2147483649", "99999999999999999999", "**", "x"})
        EXPECT_FALSE(ParseFreeInteger(bad).has_value()) << bad;

    EXPECT_EQ(std::tuple(ParseFreeReal(".1250000E+02"), ParseFreeReal("0.1250000E+02"),
                         ParseFreeReal("-.3000000E-02"), ParseFreeReal("1200"), ParseFreeReal("1.0D+03")),
              std::tuple(12.5, 12.5, -0.003, 1200.0, 1000.0));
    for (const char* bad : {"", ".", "E5", "1.0+05", "abc", "1e999", "nan", "inf", "**********"})
        EXPECT_FALSE(ParseFreeReal(bad).has_value()) << bad;

    EXPECT_EQ(ParseFreeRealSingle("0.1"), 0.1f);
    EXPECT_EQ(ParseFreeRealSingle("1.2E+03"), 1200.0f);
    EXPECT_FALSE(ParseFreeRealSingle("1E+39").has_value());
}

} // namespace
} // namespace mirendo::exchange
