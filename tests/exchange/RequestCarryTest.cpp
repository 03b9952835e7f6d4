// Which values a request can carry: whatever is accepted must come out of the engine's request
// reader as the value the user gave (to six digits and single precision), in its own columns.
#include "core/exchange/RequestFile.h"
#include "core/text/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace mirendo::exchange {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(RequestCarry, EdgeValues) {
    const struct {
        double value;
        bool carried;
    } cases[] = {
        {0, true},
        {-0.0, true},
        {12.5, true},
        {-4.60517, true},
        {1e38, true},
        {-3.4e38, true},
        {3.4028235e38, true},  // written 3.40282E+38
        {3.40282499e38, true}, // still 3.40282E+38
        {3.402825e38, false},  // written 3.40283E+38: beyond single precision
        {3.5e38, false},
        {-3.5e38, false},
        {9.99999e99, false},  // two-digit exponent, but beyond single precision
        {9.999995e99, false}, // rounds to 1.00000E+100: a thirteenth character
        {1e100, false},
        {-1e100, false},
        {1e300, false},
        {1.1755e-38, true},      // smallest normal single precision is 1.17549435E-38
        {1.17549435e-38, false}, // written 1.17549E-38, which is below it
        {-1e-38, false},
        {1e-40, false},
        {1e-99, false},
        {1e-100, false},
        {-1e-100, false},
        {5e-324, false},
        {kInf, false},
        {-kInf, false},
        {std::nan(""), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PointFieldCarries(c.value), c.carried) << c.value;
}

// Random values over magnitudes far beyond single precision in both directions, and values packed
// around the two limits, each sent in both columns of a record next to an ordinary number.
TEST(RequestCarry, AcceptedValuesReadBackAsSentAndRefusalsAreOnlyBeyondSinglePrecision) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> decade(-120, 120);
    std::uniform_real_distribution<double> nearOne(-1e-5, 1e-5);
    const double limits[] = {3.4028235e38, 3.40282e38, 1.17549435e-38, 1.1755e-38, 1e-99, 1e100};
    int accepted = 0;
    for (int k = 0; k < 20000; ++k) {
        double value =
            k % 4 == 0 ? limits[k / 4 % 6] * (1 + nearOne(random)) : std::pow(10.0, decade(random));
        if (k % 3 == 0)
            value = -value;
        const bool carried = PointFieldCarries(value);
        const double magnitude = std::fabs(value);
        if (!carried) {
            // Never refused while plainly inside single precision's normal range.
            EXPECT_FALSE(magnitude >= 1.1755e-38 && magnitude <= 3.40282e38) << value;
            continue;
        }
        ++accepted;
        const double xs[] = {0, value, 1.5};
        const double ys[] = {0, 1.5, value};
        const RequestParse parse = ParseRequest(FormatRequest(1, 0, 1, 2, xs, ys));
        ASSERT_TRUE(parse.ok()) << value;
        for (const float read : {parse.value.x[0], parse.value.y[1]}) {
            EXPECT_TRUE(std::isnormal(read)) << value;
            EXPECT_NEAR(read, value, magnitude * 5.1e-6) << value;
        }
        EXPECT_EQ(parse.value.y[0], 1.5f) << value;
        EXPECT_EQ(parse.value.x[1], 1.5f) << value;
    }
    EXPECT_GT(accepted, 5000);
}

TEST(RequestCarry, CheckRequestNamesTheFirstValueAtFault) {
    const struct {
        const char* name;
        double start, stop;
        double x3, y3;
        Subject what;
        int point;
        double value;
    } cases[] = {
        {"all carried", 0, 10, 3, 1e-20, Subject::None, 0, 0},
        {"ordinate 1E+100", 0, 10, 3, 1e100, Subject::Y, 3, 1e100},
        {"ordinate -1E+100", 0, 10, 3, -1e100, Subject::Y, 3, -1e100},
        {"ordinate 3.5E+38", 0, 10, 3, 3.5e38, Subject::Y, 3, 3.5e38},
        {"ordinate 1E-100", 0, 10, 3, 1e-100, Subject::Y, 3, 1e-100},
        {"abscissa before ordinate", 0, 10, 1e100, 1e-100, Subject::X, 3, 1e100},
        {"X stop beyond single precision", 0, 1e39, 3, 1e100, Subject::XStop, 0, 1e39},
        {"X start not a number", std::nan(""), 10, 3, 4, Subject::XStart, 0, std::nan("")},
        {"tiny X start is sent as 0.0 by design", 1e-100, 10, 3, 4, Subject::None, 0, 0},
    };
    for (const auto& c : cases) {
        const double xs[] = {0, 1, 2, c.x3, 4};
        const double ys[] = {0, 1, 2, c.y3, 1e100}; // point 4 lies beyond n
        const std::optional<Failure> fault = CheckRequest(c.start, c.stop, 3, xs, ys);
        const Failure where = fault.value_or(Failure{});
        EXPECT_EQ(where.subject, c.what) << c.name;
        EXPECT_EQ(!fault, c.what == Subject::None) << c.name;
        EXPECT_EQ(where.point, c.point) << c.name;
        if (fault) {
            EXPECT_EQ(where.cause, Cause::NotCarried) << c.name;
            // The value as it would be sent, in the boxes' notation.
            EXPECT_EQ(where.item, GeneralText(c.value)) << c.name;
        }
    }
}

} // namespace
} // namespace mirendo::exchange
