#include "core/input/Ordering.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace mirendo {
namespace {

Module1 WithPoints(const std::vector<double>& xs, const std::vector<double>& ys = {}) {
    Module1 state;
    state.PointCount = static_cast<int>(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i) {
        state.XData[i + 1] = xs[i];
        state.YData[i + 1] = i < ys.size() ? ys[i] : 10.0 * xs[i];
    }
    return state;
}

std::vector<double> Xs(const Module1& state) {
    return {state.XData.begin() + 1, state.XData.begin() + 1 + state.PointsInUse()};
}

struct OrderCase {
    const char* name;
    std::vector<double> x;
    std::vector<double> y;
    bool expectOrdering;
    std::vector<double> expectX;
    std::vector<double> expectY;
};

void PrintTo(const OrderCase& c, std::ostream* out) {
    *out << c.name;
}

class OrderPointsTable : public ::testing::TestWithParam<OrderCase> {};

TEST_P(OrderPointsTable, SortsAndSeparates) {
    const OrderCase& c = GetParam();
    Module1 state = WithPoints(c.x, c.y);
    EXPECT_EQ(IsStrictlyAscending(state), !c.expectOrdering);
    EXPECT_EQ(OrderPointsIfNeeded(state), c.expectOrdering);
    const std::vector<double> x = Xs(state);
    ASSERT_EQ(x.size(), c.expectX.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        EXPECT_DOUBLE_EQ(x[i], c.expectX[i]) << "X(" << i + 1 << ")";
        if (!c.expectY.empty()) {
            EXPECT_DOUBLE_EQ(state.YData[i + 1], c.expectY[i]) << "Y(" << i + 1 << ")";
        }
    }
    EXPECT_EQ(state.XData[0], 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Ordering, OrderPointsTable,
    ::testing::Values(OrderCase{"ascending_untouched", {1, 2.5, 7}, {3, 1, 2}, false, {1, 2.5, 7}, {3, 1, 2}},
                      OrderCase{"y_travels_with_x", {3, 1, 2}, {30, 10, 20}, true, {1, 2, 3}, {10, 20, 30}},
                      OrderCase{"descending_ten",
                                {10, 9, 8, 7, 6, 5, 4, 3, 2, 1},
                                {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
                                true,
                                {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                                {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}},
                      OrderCase{"equal_middle_moves_up", {1, 2, 2, 3}, {}, true, {1, 2, 2.01, 3}, {}},
                      OrderCase{"equal_last_pair_moves_down", {1, 2, 3, 3}, {}, true, {1, 2, 2.99, 3}, {}},
                      OrderCase{"two_equal_use_element_zero", {5, 5}, {}, true, {4.95, 5}, {}},
                      OrderCase{"two_zeros_stay", {0, 0}, {}, true, {0, 0}, {}},
                      OrderCase{"run_of_three_stays", {1, 1, 1}, {}, true, {1, 1, 1}, {}},
                      OrderCase{"run_then_larger", {1, 1, 1, 2}, {}, true, {1, 1, 1.01, 2}, {}},
                      OrderCase{
                          "unsorted_with_equal", {3, 2, 3, 1}, {30, 20, 31, 10}, true, {1, 2, 2.99, 3}, {}},
                      OrderCase{"single_point", {4}, {}, false, {4}, {}},
                      OrderCase{"no_points", {}, {}, false, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OrderPoints, CountAboveCapacityStaysInsideTheArrays) {
    Module1 state = WithPoints({5, 4, 3, 2, 1, 0, -1, -2, -3, -4});
    state.PointCount = 57; // a line count left by a failed file read
    OrderPoints(state);
    EXPECT_EQ(Xs(state), (std::vector<double>{-4, -3, -2, -1, 0, 1, 2, 3, 4, 5}));
}

TEST(OrderPoints, SinglePointNeverTouchesElementZero) {
    Module1 state = WithPoints({0});
    OrderPoints(state);
    EXPECT_EQ(std::tuple(state.XData[0], state.XData[1]), std::tuple(0.0, 0.0));
}

struct RangeTextCase {
    double value;
    const char* text;
};

class RangeTextTable : public ::testing::TestWithParam<RangeTextCase> {};

TEST_P(RangeTextTable, Formats) {
    EXPECT_EQ(FormatRangeValue(GetParam().value), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Ordering, RangeTextTable,
    ::testing::Values(RangeTextCase{1000, "1000.0"}, RangeTextCase{-1000, "-1000.0"},
                      RangeTextCase{1000.6, "1.001E+03"}, RangeTextCase{0.099, "9.900E-02"},
                      RangeTextCase{0, "0.0"}, RangeTextCase{0.1, "0.1"}, RangeTextCase{-0.1, "-0.1"},
                      RangeTextCase{-0.05, "-5.000E-02"}, RangeTextCase{-1500, "-1.500E+03"},
                      RangeTextCase{1500, "1.500E+03"}, RangeTextCase{3, "3.0"}, RangeTextCase{12.5, "12.5"},
                      RangeTextCase{0.1234, "0.123"}, RangeTextCase{0.001, "1.000E-03"},
                      RangeTextCase{0.00001, "1.000E-05"}));

TEST(FormatRangeValue, JustAboveThousandUsesTheExponentPattern) {
    const std::string text = FormatRangeValue(1000.5);
    EXPECT_TRUE(text == "1.000E+03" || text == "1.001E+03") << text; // the halfway digit is the platform's
}

TEST(UpdateRange, FirstPointRestartsThenStrictComparisons) {
    Module1 state = WithPoints({2, -1, 5, 3}, {7, 9, -4, 8});
    state.XMin = -100; // left from an earlier input: point 1 must restart the ranges
    for (int i = 1; i <= 4; ++i)
        UpdateRange(state, i);
    EXPECT_EQ(std::tuple(state.XMin, state.XMax, state.YMin, state.YMax), std::tuple(-1.0, 5.0, -4.0, 9.0));
    UpdateRange(state, 11);
    UpdateRange(state, 0);
    EXPECT_EQ(state.XMax, 5);
}

struct GateCase {
    const char* name;
    double xMin, yMin;
    bool logX, logY;
};

class GateTable : public ::testing::TestWithParam<GateCase> {};

TEST_P(GateTable, AllowsLogOnlyAboveZero) {
    const ScaleGate gate = GateScales(GetParam().xMin, GetParam().yMin);
    EXPECT_EQ(std::tuple(gate.logXAllowed, gate.logYAllowed), std::tuple(GetParam().logX, GetParam().logY));
}

INSTANTIATE_TEST_SUITE_P(Ordering, GateTable,
                         ::testing::Values(GateCase{"zero_x", 0, 1, false, true},
                                           GateCase{"small_x", 0.001, 1, true, true},
                                           GateCase{"negative_y", 2, -0.5, true, false},
                                           GateCase{"both_zero", 0, 0, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PublishEnteredPoints, OrdersThenListsStoredValuesAndGatesFromLabelsAndPoints) {
    Module1 state = WithPoints({3, 1.5, -0.25}, {100, 1e-5, 2});
    const PublishedPoints published = PublishEnteredPoints(state, {"1.000E-03", "3.0", "0.0", "100.0"});
    EXPECT_EQ(published.tableLines, (std::vector<std::string>{"-0.25  2", "1.5  1E-05", "3  100"}));
    EXPECT_TRUE(published.reordered); // the dialog repaints once more for the ordering step
    EXPECT_EQ(published.rangeTexts[0], "1.000E-03");
    // The label kept the minimum from before a correction put a point at -0.25: the point gates.
    EXPECT_EQ(std::tuple(published.logXAllowed, published.logYAllowed, published.enableAllOptionsFirst),
              std::tuple(false, false, false));
}

TEST(PublishEnteredPoints, EmptyLabelsGateBothLogAxes) {
    Module1 state;
    const PublishedPoints published = PublishEnteredPoints(state, {"", "", "", ""});
    EXPECT_EQ(std::tuple(published.tableLines.empty(), published.logXAllowed, published.logYAllowed),
              std::tuple(true, false, false));
}

TEST(PublishFilePoints, KeepsFileLinesAndFormatsRanges) {
    Module1 state = WithPoints({2, 1}, {20, 10});
    state.XMin = 1, state.XMax = 2, state.YMin = 10, state.YMax = 20;
    const PublishedPoints published = PublishFilePoints(state, {"2, 20", "1, 10"});
    EXPECT_EQ(std::tuple(Xs(state), published.reordered, published.tableLines, published.rangeTexts,
                         published.enableAllOptionsFirst, published.logXAllowed && published.logYAllowed),
              std::tuple((std::vector<double>{1, 2}), true, (std::vector<std::string>{"2, 20", "1, 10"}),
                         (std::array<std::string, 4>{"1.0", "2.0", "10.0", "20.0"}), true, true));
}

TEST(PublishFilePoints, NoPointsShowNoStaleRanges) {
    Module1 state;
    state.XMin = -3; // from an earlier file
    const PublishedPoints published = PublishFilePoints(state, {});
    EXPECT_EQ(published.rangeTexts, (std::array<std::string, 4>{}));
    EXPECT_TRUE(published.logXAllowed && published.logYAllowed);
}

} // namespace
} // namespace mirendo
