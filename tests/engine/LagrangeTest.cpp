#include "core/engine/Lagrange.h"
#include "core/engine/EngineRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <tuple>
#include <utility>
#include <vector>

namespace mirendo::engine {
namespace {

using exchange::EngineRequest;
using exchange::EngineResult;

EngineRequest Request(const std::vector<std::pair<float, float>>& points) {
    EngineRequest r;
    r.mode = 1;
    r.xstart = 0;
    r.xstop = 10;
    for (const auto& [x, y] : points) {
        r.x[static_cast<size_t>(r.n)] = x;
        r.y[static_cast<size_t>(r.n)] = y;
        ++r.n;
    }
    return r;
}

TEST(Interpolate, WorkedExample) {
    EngineResult r;
    const Interpolation outcome = Interpolate(Request({{1, 2.5f}, {4, -3}, {8, 0.125f}}), r);
    ASSERT_EQ(outcome.fault, FloatFault::None) << outcome.where;
    EXPECT_FLOAT_EQ(r.c[0], 0.1190476f);
    EXPECT_EQ(r.c[1], 0.25f);
    EXPECT_FLOAT_EQ(r.c[2], 0.004464286f);
    ASSERT_EQ(r.m, 100);
    EXPECT_EQ(std::tuple(r.t[0], r.p[0], r.t[1], r.t[50], r.t[51]),
              std::tuple(1.0f, 2.5f, 1.06f, 4.0f, 4.08f));
    EXPECT_FLOAT_EQ(r.t[99], 7.92f);
    EXPECT_FLOAT_EQ(r.p[99], -0.05463316f);
}

TEST(Interpolate, SampleCountAndIntervalStarts) {
    const struct {
        const char* name;
        EngineRequest request;
        int m;
    } cases[] = {
        {"no points", Request({}), 0},
        {"one point", Request({{3, -7}}), 0},
        {"two points", Request({{0, 0}, {1, 1}}), 50},
        {"decreasing", Request({{8, 0.125f}, {4, -3}, {1, 2.5f}}), 100},
        {"unsorted", Request({{0, 1}, {5, 2}, {-3, 3}, {2, 4}}), 150},
        {"ten points",
         Request({{1, 1}, {2, 4}, {3, 9}, {4, 16}, {5, 25}, {6, 36}, {7, 49}, {8, 64}, {9, 81}, {10, 100}}),
         450},
    };
    for (const auto& c : cases) {
        EngineResult r;
        ASSERT_EQ(Interpolate(c.request, r).fault, FloatFault::None) << c.name;
        EXPECT_EQ(r.m, c.m) << c.name;
        for (int k = 0; k + 1 < c.request.n; ++k) {
            // The first sample of each interval is its left point exactly, and P there is y.
            const size_t s = 50 * static_cast<size_t>(k);
            EXPECT_EQ(r.t[s], c.request.x[static_cast<size_t>(k)]) << c.name << " interval " << k;
            EXPECT_NEAR(r.p[s], c.request.y[static_cast<size_t>(k)],
                        1e-4 * (1 + std::abs(c.request.y[static_cast<size_t>(k)])))
                << c.name << " interval " << k;
        }
    }
}

TEST(Interpolate, OnePointCoefficientIsItsOrdinate) {
    EngineResult r;
    ASSERT_EQ(Interpolate(Request({{3, -7.25f}}), r).fault, FloatFault::None);
    EXPECT_EQ(r.c[0], -7.25f);
}

TEST(Interpolate, DecreasingAbscissaeStepBackwards) {
    EngineResult r;
    ASSERT_EQ(Interpolate(Request({{8, 0.125f}, {4, -3}, {1, 2.5f}}), r).fault, FloatFault::None);
    EXPECT_EQ(std::tuple(r.t[0], r.t[1], r.t[50], r.t[51]),
              std::tuple(8.0f, static_cast<float>(-0.08f + 8.0), 4.0f,
                         static_cast<float>(static_cast<double>(-0.06f) + 4.0)));
}

TEST(Interpolate, ProductDifferenceIsNotRoundedOnItsOwn) {
    // With x1 = 1 + 2^-23, x2 = x1 - 3 and x3 = 2^-25 the coefficient product is
    // round((x1 - x3) * 3) = 3 + 2^-22. Rounding x1 - x3 first would give 3 + 2^-21, and c1 = y1 / product
    // would miss 1.
    const float x1 = 1.0f + std::ldexp(1.0f, -23);
    const float x2 = x1 - 3.0f;
    const float x3 = std::ldexp(1.0f, -25);
    const float y1 = 3.0f + std::ldexp(1.0f, -22);
    EngineResult r;
    ASSERT_EQ(Interpolate(Request({{x1, y1}, {x2, 0}, {x3, 0}}), r).fault, FloatFault::None);
    EXPECT_EQ(r.c[0], 1.0f);
}

TEST(Interpolate, FaultsNameTheFirstOneThatOccurred) {
    std::vector<std::pair<float, float>> apart; // ten points 1e5 apart at the same height
    for (int i = 0; i < 10; ++i)
        apart.push_back({i * 1e5f, 1});
    const struct {
        const char* name;
        EngineRequest request;
        FloatFault fault;
        const char* where;
    } cases[] = {
        {"equal abscissae", Request({{1, 2}, {1, 3}}), FloatFault::DivideByZero, "coefficient 1"},
        {"equal abscissae, zero ordinate", Request({{1, 0}, {1, 3}}), FloatFault::Invalid, "coefficient 1"},
        {"equal abscissae later", Request({{0, 1}, {2, 5}, {2, 0}}), FloatFault::DivideByZero,
         "coefficient 2"},
        {"equal abscissae, zero ordinate later", Request({{0, 1}, {2, 0}, {2, 5}}), FloatFault::Invalid,
         "coefficient 2"},
        {"ten points 1e5 apart", Request(apart), FloatFault::Overflow, "coefficient 1"},
        {"quotient overflows", Request({{0, 1e10f}, {1e-30f, 0}}), FloatFault::Overflow, "coefficient 1"},
        {"product underflows to zero", Request({{0, 1}, {1e-30f, 1}, {2e-30f, 1}, {3e-30f, 1}, {4e-30f, 1}}),
         FloatFault::DivideByZero, "coefficient 1"},
        {"sum overflows between points", Request({{0, 3e38f}, {10, 3e38f}, {1, 0}}), FloatFault::Overflow,
         "sum term 1"},
    };
    for (const auto& c : cases) {
        EngineResult r;
        const Interpolation outcome = Interpolate(c.request, r);
        EXPECT_EQ(outcome.fault, c.fault) << c.name << ": " << outcome.where;
        EXPECT_NE(outcome.where.find(c.where), std::string::npos) << c.name << ": " << outcome.where;
    }
}

TEST(Interpolate, UnderflowProceedsSilently) {
    EngineResult r;
    const Interpolation outcome = Interpolate(Request({{0, 1e-38f}, {1000, -1e-38f}}), r);
    EXPECT_EQ(outcome.fault, FloatFault::None) << outcome.where;
    EXPECT_NE(r.c[0], 0.0f);
    EXPECT_LT(std::abs(r.c[0]), 1.17549435e-38f); // subnormal
}

TEST(RunOnRequestText, MessagesAndStatuses) {
    const struct {
        const char *name, *request;
        int status;
        const char* message;
    } cases[] = {
        {"worked example",
         " 1 \r\n0.0\r\n10.0\r\n 3 \r\n+1.00000E+00 +2.50000E+00\r\n+4.00000E+00 -3.00000E+00\r\n"
         "+8.00000E+00 +1.25000E-01\r\n",
         kExitOk, ""},
        {"bad count", " 1 \r\n0\r\n1\r\n 12 \r\n", kExitBadRequest, "B2F.dat line 4"},
        {"divide by zero",
         " 1 \r\n0\r\n1\r\n 2 \r\n+1.00000E+00 +2.00000E+00\r\n+1.00000E+00 +3.00000E+00\r\n",
         kExitFloatFault, "floating-point error: divide by zero"},
        {"invalid", " 1 \r\n0\r\n1\r\n 2 \r\n+1.00000E+00 -0.00000E+00\r\n+1.00000E+00 +3.00000E+00\r\n",
         kExitFloatFault, "floating-point error: invalid"},
    };
    for (const auto& c : cases) {
        std::string bytes;
        const RunOutcome outcome = RunOnRequestText(c.request, bytes);
        EXPECT_EQ(outcome.exitStatus, c.status) << c.name;
        EXPECT_EQ(outcome.message.rfind(c.message, 0), 0u) << c.name << ": " << outcome.message;
        EXPECT_EQ(bytes.empty(), c.status != kExitOk) << c.name;
    }
}

} // namespace
} // namespace mirendo::engine

namespace mirendo::engine {
namespace {

TEST(SettingsEcho, WhatComesBackFromARoundTrip) {
    const struct {
        double start, stop;
        double loadedStart, loadedStop;
    } cases[] = {
        {0.0004, 1234.5, 0, 1200},
        {-1000, 1000, -1000, 1000},
        {1000.5, -0.125, 1000, -0.125},
        {123.4567, 5e7, 123.46, 5e7}, // E12.5 keeps five significant digits
    };
    const double xs[] = {0, 1, 2}, ys[] = {0, 3, 4};
    for (const auto& c : cases) {
        std::string bytes;
        ASSERT_EQ(RunOnRequestText(exchange::FormatRequest(1, c.start, c.stop, 2, xs, ys), bytes).exitStatus,
                  kExitOk);
        const exchange::ResultRead read = exchange::ParseResult(bytes);
        ASSERT_TRUE(read.ok());
        const exchange::LoadedResult& v = read.value;
        EXPECT_EQ(std::tuple(v.xStart, v.xStop, v.pointCount, v.sampleCount, v.t[1], v.p[1]),
                  std::tuple(c.loadedStart, c.loadedStop, 2, 50, 1.0, 3.0))
            << c.start << " .. " << c.stop;
    }
}

} // namespace
} // namespace mirendo::engine
