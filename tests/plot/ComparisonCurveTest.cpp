// The comparison curves against values computed once outside the program (SciPy's
// PchipInterpolator and CubicSpline with natural ends, and the broken line, each in the mode's
// space and taken back to data space), and the monotone curve's promise to stay between its
// neighbouring points.
#include "core/curve/ComparisonCurve.h"
#include "core/curve/ModeSpace.h"
#include "core/plot/ComparisonPlot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace mirendo {
namespace {

struct PointSet {
    std::vector<double> x, y;
};
const PointSet kTwo{{1, 4}, {2, 8}};
const PointSet kThree{{1, 2, 8}, {1, 5, 3}};
const PointSet kTen{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {3, 4, 2, 7, 7.5, 1, 9, 8.2, 6, 6.5}};

// The curve of `method` through `points` (data space) in the space of `mode`.
ComparisonCurve CurveOf(ComparisonMethod method, int mode, const PointSet& points) {
    const AxisKinds axes = AxesOfScaleMode(mode);
    std::vector<double> x, y;
    for (std::size_t i = 0; i < points.x.size(); ++i) {
        x.push_back(*ToModeSpace(axes.x, points.x[i]));
        y.push_back(*ToModeSpace(axes.y, points.y[i]));
    }
    ComparisonCurve curve;
    EXPECT_TRUE(curve.init(method, x, y));
    return curve;
}

struct Row {
    const PointSet& points;
    int mode;
    double x;
    double expected[3]; // 折れ線, 単調3次, 3次スプライン
};

// The last X of each set lies beyond the points: the end piece goes on.
const Row kRows[] = {
    {kTwo, 1, 2.5, {5.0, 5.0, 5.0}},
    {kTwo, 1, 3.7, {7.400000000000001, 7.4, 7.4}},
    {kTwo, 1, 5.0, {10.0, 10.0, 10.0}},
    {kTwo, 2, 2.5, {3.999999999999999, 3.999999999999999, 3.999999999999999}},
    {kTwo, 2, 3.7, {6.964404506368991, 6.964404506368991, 6.964404506368991}},
    {kTwo, 2, 5.0, {12.699208415745591, 12.699208415745591, 12.699208415745591}},
    {kTwo, 3, 2.5, {5.965784284662087, 5.965784284662087, 5.965784284662087}},
    {kTwo, 3, 3.7, {7.662575812224762, 7.6625758122247625, 7.6625758122247625}},
    {kTwo, 3, 5.0, {8.965784284662087, 8.965784284662087, 8.965784284662087}},
    {kTwo, 4, 2.5, {4.999999999999998, 4.999999999999998, 4.999999999999999}},
    {kTwo, 4, 3.7, {7.399999999999999, 7.399999999999999, 7.399999999999995}},
    {kTwo, 4, 5.0, {9.999999999999993, 9.999999999999998, 9.999999999999998}},
    {kThree, 1, 1.5, {3.0, 3.5773809523809526, 3.116071428571429}},
    {kThree, 1, 3.0, {4.666666666666667, 4.9907407407407405, 7.503968253968254}},
    {kThree, 1, 6.5, {3.5, 4.15625, 6.111607142857142}},
    {kThree, 2, 1.5, {2.23606797749979, 2.8183707572926533, 2.3399027573890834}},
    {kThree, 2, 3.0, {4.591929510842227, 4.988189304042803, 13.927200540214848}},
    {kThree, 2, 6.5, {3.4086580994024973, 4.030672971274016, 9.465021403674994}},
    {kThree, 3, 1.5, {3.3398500028846247, 4.075860957163184, 3.660516146905827}},
    {kThree, 3, 3.0, {4.415037499278844, 4.949959218026072, 5.592860986847706}},
    {kThree, 3, 6.5, {3.299560281858908, 3.770796664384072, 3.787626814109702}},
    {kThree, 4, 1.5, {2.563723838624606, 3.4303633739390267, 2.889431367751298}},
    {kThree, 4, 3.0, {4.306092994829698, 4.936501370036651, 6.681376251894635}},
    {kThree, 4, 6.5, {3.2385439238962905, 3.6527621400751444, 3.8851363037431113}},
    {kTen, 1, 1.3, {3.3, 3.5835, 3.664136685164632}},
    {kTen, 1, 4.5, {7.25, 7.363636363636363, 8.679802071772103}},
    {kTen, 1, 5.5, {4.25, 4.25, 3.3412264150943396}},
    {kTen, 1, 8.7, {6.660000000000001, 6.401280000000002, 6.3438359230484656}},
    {kTen, 1, 10.5, {6.75, 7.6875, 6.964763226045134}},
    {kTen, 2, 1.3, {3.2704150727080528, 3.579173225217147, 3.6556688223538565}},
    {kTen, 2, 4.5, {7.245688373094718, 7.365113658325993, 10.88755368980563}},
    {kTen, 2, 5.5, {2.73861278752583, 2.738612787525831, 2.1264433635074096}},
    {kTen, 2, 8.7, {6.589463109702755, 6.361065853252788, 6.154720052454009}},
    {kTen, 2, 10.5, {6.7654144982649305, 7.86091968311604, 6.900948824487505}},
    {kTen, 3, 1.3, {3.37851162325373, 3.7599514802455216, 4.348202844238814}},
    {kTen, 3, 4.5, {7.263917632758592, 7.371811176432941, 8.961274240944661}},
    {kTen, 3, 5.5, {4.102068457389049, 4.028255930846107, 2.806388957314474}},
    {kTen, 3, 8.7, {6.633227130467976, 6.378134723824199, 6.370504157447986}},
    {kTen, 3, 10.5, {6.731539129553453, 7.565931191990013, 6.9402755105032785}},
    {kTen, 4, 1.3, {3.345122440321623, 3.733091480284878, 4.468021389281104}},
    {kTen, 4, 4.5, {7.2596166157574675, 7.373636588954312, 11.86852259829599}},
    {kTen, 4, 5.5, {2.6158652940997746, 2.556691800166767, 1.8187733115119746}},
    {kTen, 4, 8.7, {6.5644612166885326, 6.339069900844511, 6.237897260555418}},
    {kTen, 4, 10.5, {6.745450074907992, 7.709414269860971, 6.914018070470061}},
};

TEST(ComparisonCurve, MatchesIndependentValuesInEveryMode) {
    const ComparisonMethod methods[] = {ComparisonMethod::Linear, ComparisonMethod::MonotoneCubic,
                                        ComparisonMethod::NaturalSpline};
    for (const Row& row : kRows) {
        for (int m = 0; m < 3; ++m) {
            const double value =
                ComparisonValueAt(CurveOf(methods[m], row.mode, row.points), row.mode, row.x);
            EXPECT_NEAR(value, row.expected[m], 1e-12 * std::fabs(row.expected[m]))
                << ComparisonMethodName(methods[m]) << " mode " << row.mode << " points "
                << row.points.x.size() << " X " << row.x;
        }
    }
}

TEST(ComparisonCurve, MonotoneCubicStaysBetweenNeighbouringPoints) {
    // Steep and flat stretches side by side, where a spline or the polynomial overshoots.
    const PointSet rising{{1, 1.5, 2, 2.04, 3, 5, 6, 6.2, 9, 10},
                          {1, 1.1, 5, 5.05, 5.1, 40, 41, 90, 95, 1000}};
    for (int mode : {1, 2, 3, 4}) {
        const ComparisonCurve curve = CurveOf(ComparisonMethod::MonotoneCubic, mode, rising);
        for (std::size_t k = 0; k + 1 < rising.x.size(); ++k) {
            for (int j = 0; j <= 200; ++j) {
                const double x = rising.x[k] + (rising.x[k + 1] - rising.x[k]) * j / 200;
                const double y = ComparisonValueAt(curve, mode, x);
                EXPECT_GE(y, rising.y[k] * (1 - 1e-12)) << "mode " << mode << " X " << x;
                EXPECT_LE(y, rising.y[k + 1] * (1 + 1e-12)) << "mode " << mode << " X " << x;
            }
        }
    }
}

TEST(ComparisonCurve, RefusesWhatHasNoCurve) {
    const struct {
        const char* name;
        ComparisonMethod method;
        std::vector<double> x, y;
    } cases[] = {
        {"none chosen", ComparisonMethod::None, {1, 2}, {1, 2}},
        {"one point", ComparisonMethod::Linear, {1}, {1}},
        {"equal abscissae", ComparisonMethod::NaturalSpline, {1, 2, 2}, {1, 2, 3}},
        {"not finite", ComparisonMethod::MonotoneCubic, {1, 2, NAN}, {1, 2, 3}},
    };
    for (const auto& c : cases) {
        ComparisonCurve curve;
        EXPECT_FALSE(curve.init(c.method, c.x, c.y)) << c.name;
        EXPECT_TRUE(std::isnan(ComparisonValueAt(curve, 1, 1.5))) << c.name;
    }
    // An X with no place on a logarithmic axis.
    EXPECT_TRUE(std::isnan(ComparisonValueAt(CurveOf(ComparisonMethod::Linear, 3, kTwo), 3, -1)));
}

TEST(ComparisonCurve, PointsInAnyOrderGiveTheSameCurve) {
    ComparisonCurve listed;
    ASSERT_TRUE(listed.init(ComparisonMethod::NaturalSpline, std::vector<double>{8, 1, 2},
                            std::vector<double>{3, 1, 5}));
    EXPECT_NEAR(ComparisonValueAt(listed, 1, 6.5),
                ComparisonValueAt(CurveOf(ComparisonMethod::NaturalSpline, 1, kThree), 1, 6.5), 1e-12);
}

// On a graph the comparison goes under the curve's first dot, so the curve and the points after
// it stay on top; choosing again replaces it, choosing none takes it away.
TEST(ComparisonPlot, DrawnUnderTheCurveReplacedAndRemoved) {
    using Kind = RecordingCanvas::Kind;
    RecordingCanvas graph;
    graph.setLayer(GraphLayer::Curve);
    graph.clear(); // starts over in the axes layer: the comparison goes after it
    graph.setScale(-1, 10, 12, -12);
    graph.line(0, 0, 10, 0, kGridGrey);
    graph.setLineWidth(2);
    graph.setLayer(GraphLayer::Curve);
    graph.dot(0.1f, 1, kCurveBlue);
    graph.lineTo(5, 2, kCurveBlue);
    graph.setLayer(GraphLayer::Points);
    graph.setLineWidth(10);
    graph.dot(5, 2, kPointRed);

    DrawnCurve curve;
    curve.scaleMode = 4;
    curve.xStart = 0.1;
    curve.yStart = 1;
    curve.sampleX = {std::log(0.1), std::log(1.0), std::log(2.0)};
    curve.sampleY = {0, 1, 2};
    RecordingCanvas comparison;
    PlotComparison(curve, std::vector<double>{0, 0.5, 1}, comparison);
    ASSERT_EQ(comparison.calls().size(), 5u); // dashes on, a dot, two lines, dashes off
    EXPECT_FLOAT_EQ(comparison.calls()[3].a, float(std::log(2.0) - std::log(0.1)));

    const auto kinds = [](const std::vector<RecordingCanvas::Call>& calls) {
        std::vector<std::pair<Kind, bool>> out;
        for (const auto& call : calls)
            out.emplace_back(call.kind, call.colour == kComparisonGreen);
        return out;
    };
    const auto once = WithComparisonUnderCurve(graph.calls(), comparison.calls());
    ASSERT_EQ(once.size(), graph.calls().size() + comparison.calls().size());
    const auto firstOf = [&](Rgb colour) {
        return std::find_if(once.begin(), once.end(),
                            [&](const auto& call) { return call.colour == colour; });
    };
    EXPECT_LT(firstOf(kComparisonGreen), firstOf(kCurveBlue));
    EXPECT_EQ(std::prev(firstOf(kComparisonGreen))->kind, Kind::Dash);
    EXPECT_EQ(once.front().kind, Kind::Clear);
    EXPECT_EQ(kinds(WithComparisonUnderCurve(once, comparison.calls())), kinds(once));
    EXPECT_EQ(kinds(WithComparisonUnderCurve(once, {})), kinds(graph.calls()));
}

} // namespace
} // namespace mirendo
