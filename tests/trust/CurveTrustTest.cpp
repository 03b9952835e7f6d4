// The trust line of a curve, measured on curves the real engine computed: as the curve step loads
// them and as the browser reads them back from an archive.
#include "core/curve/CurveTrust.h"
#include "core/archive/ArchiveReader.h"
#include "core/archive/ArchiveWriter.h"
#include "core/curve/LagrangePolynomial.h"
#include "core/exchange/RequestFile.h"
#include "core/exchange/ResultFile.h"
#include "core/text/NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace mirendo {
namespace {

namespace fs = std::filesystem;

struct Point {
    double x, y;
};
using Points = std::vector<Point>;

class CurveTrustTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        s_dir = fs::temp_directory_path() / ("curve_trust_" + std::to_string(::getpid()));
        fs::create_directories(s_dir);
    }
    static void TearDownTestSuite() { fs::remove_all(s_dir); }

    // An example file's points in ascending X, as the input dialogs leave them.
    static Points Example(const std::string& name) {
        std::ifstream in(std::string(MIRENDO_EXAMPLES_DIR) + "/" + name);
        Points points;
        std::string line;
        while (std::getline(in, line)) {
            std::replace(line.begin(), line.end(), ',', ' ');
            std::istringstream fields(line);
            Point p{};
            if (fields >> p.x >> p.y)
                points.push_back(p);
        }
        std::sort(points.begin(), points.end(), [](Point a, Point b) { return a.x < b.x; });
        return points;
    }

    // Points sent in `mode`'s space, the engine run in its folder, the result loaded into the
    // shared state as the curve step loads it.
    static Module1 EngineCurve(int mode, const Points& points) {
        const AxisKinds axes = AxesOfScaleMode(mode);
        const int n = static_cast<int>(points.size());
        double xs[11] = {};
        double ys[11] = {};
        for (int i = 1; i <= n; ++i) {
            const Point p = points[static_cast<size_t>(i - 1)];
            xs[i] = axes.x == AxisKind::Logarithmic ? std::log(p.x) : p.x;
            ys[i] = axes.y == AxisKind::Logarithmic ? std::log(p.y) : p.y;
        }
        std::ofstream(s_dir / exchange::kRequestFileName, std::ios::binary)
            << exchange::FormatRequest(mode, 0, 10, n, xs, ys);
        fs::remove(s_dir / exchange::kResultFileName);
        const std::string command = "cd '" + s_dir.string() + "' && '" VENTREL_PATH "' >/dev/null 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0);
        const exchange::ResultRead read =
            exchange::ReadResultFile((s_dir / exchange::kResultFileName).string());
        EXPECT_TRUE(read.ok());
        Module1 s;
        const exchange::LoadedResult& r = read.value;
        s.ScaleMode = r.scaleMode;
        s.PointCount = r.pointCount;
        std::copy(r.x.begin(), r.x.end(), s.ResultX.begin());
        std::copy(r.y.begin(), r.y.end(), s.ResultY.begin());
        std::copy(r.coef.begin(), r.coef.end(), s.Coef.begin());
        s.SampleCount = r.sampleCount;
        s.CurveX = r.t;
        s.CurveY = r.p;
        return s;
    }

    // The same curve saved and read back as the browser reads it.
    static Module1 ThroughArchive(const Module1& loaded) {
        const AxisKinds axes = AxesOfScaleMode(loaded.ScaleMode);
        auto limits = [](AxisKind kind) {
            return kind == AxisKind::Logarithmic ? std::array<std::string, 3>{"1.0E-03", "1.0E+03", "1"}
                                                 : std::array<std::string, 3>{"-100000", "100000", "1"};
        };
        const auto x = limits(axes.x);
        const auto y = limits(axes.y);
        const ArchiveFormat saved = FormatArchive(loaded, {x[0], x[1], x[2], y[0], y[1], y[2]});
        EXPECT_TRUE(saved.ok());
        const ArchiveRead read = ParseArchive(saved.value);
        EXPECT_TRUE(read.ok());
        Module1 reopened;
        LoadSavedPlot(read.value, "", reopened);
        return reopened;
    }

    static fs::path s_dir;
};

fs::path CurveTrustTest::s_dir;

TEST_F(CurveTrustTest, ExampleFilesOvershootAndAdvice) {
    const struct {
        const char* file;
        int mode;
        double percent;
        int calmerMode; // 0: not red
        double calmerPercent;
    } cases[] = {
        {"ex_runge.csv", 1, 41, 2, 7}, // only the two linear-X modes: X is negative
        {"ex_runge.csv", 2, 7, 0, 0},
        {"ex_linear.csv", 1, 5, 0, 0},
        {"ex_blanks.dat", 1, 1, 0, 0}, // 0.8 %
        {"ex_decay.csv", 1, 0, 0, 0},
        {"ex_decay.csv", 2, 0, 0, 0},
        {"ex_descending.csv", 1, 0, 0, 0},
        {"ex_descending.csv", 4, 0, 0, 0},
        {"ex_powerlaw.csv", 1, 0, 0, 0},
        {"ex_powerlaw.csv", 4, 0, 0, 0},
        // 1477 %; modes 1 (0.1 %), 3 and 4 all round to 0: the tie goes to the lowest.
        {"ex_powerlaw.csv", 2, 1477, 1, 0},
    };
    for (const auto& c : cases) {
        const std::string name = std::string(c.file) + " mode " + std::to_string(c.mode);
        const Module1 loaded = EngineCurve(c.mode, Example(c.file));
        for (const Module1& state : {loaded, ThroughArchive(loaded)}) {
            const CurveTrust trust = AssessCurve(DrawnCurveOf(state));
            ASSERT_TRUE(trust.assessed) << name;
            EXPECT_EQ(trust.overshootPercent, c.percent) << name;
            EXPECT_LT(trust.errorFigure, 3e-5) << name;
            EXPECT_FALSE(trust.errorRed) << name;
            EXPECT_EQ(trust.red, c.calmerMode != 0) << name;
            EXPECT_EQ(trust.calmerMode, c.calmerMode) << name;
            EXPECT_EQ(trust.calmerPercent, c.calmerPercent) << name;
        }
    }
    EXPECT_EQ(AssessCurve(DrawnCurveOf(EngineCurve(1, Example("ex_runge.csv")))).text,
              "単精度誤差 8.5E-07・はみ出し 41%（振動に注意： Linear - Log ならはみ出し 7%）");
    EXPECT_EQ(AssessCurve(DrawnCurveOf(EngineCurve(1, Example("ex_linear.csv")))).text,
              "単精度誤差 2.9E-07・はみ出し 5%");
}

// Ten points of sin X: well conditioned near zero; near 1E+05 single precision holds the
// abscissae only to about 0.008, and the readout's digits are no longer all right.
TEST_F(CurveTrustTest, SinglePrecisionErrorOfSinX) {
    const struct {
        double firstX;
        double low, high;
        bool red;
    } cases[] = {
        {0, 3e-7, 6e-7, false},
        {99990, 1.5e-3, 2.5e-3, true},
    };
    for (const auto& c : cases) {
        Points points;
        for (int i = 0; i < 10; ++i)
            points.push_back({c.firstX + i, std::sin(c.firstX + i)});
        const Module1 loaded = EngineCurve(1, points);
        for (const Module1& state : {loaded, ThroughArchive(loaded)}) {
            const CurveTrust trust = AssessCurve(DrawnCurveOf(state));
            EXPECT_GT(trust.errorFigure, c.low) << c.firstX;
            EXPECT_LT(trust.errorFigure, c.high) << c.firstX;
            EXPECT_EQ(trust.errorRed, c.red) << c.firstX;
            EXPECT_EQ(trust.red, c.red) << c.firstX;
            EXPECT_LE(trust.overshootPercent, 3) << c.firstX; // sin reaches 1 between the points
            EXPECT_EQ(trust.text.ends_with("（表示値の桁に誤差）"), c.red) << trust.text;
        }
    }
}

// Curves made in double precision, so the figures are known exactly.
TEST_F(CurveTrustTest, ThresholdsAndTextsOfConstructedCurves) {
    // Through (-2, 0), (s - 2, 0), (-1, 1) the parabola u (u - s) / (1 - s), u = t + 2, dips to
    // -s^2 / (4 (1 - s)) at u = s / 2: s is chosen for a dip given as a share of the range 1. The
    // abscissae are negative, so no logarithmic mode is allowed.
    // `figure` is checked where an error is put in; otherwise it is rounding of order 1E-16.
    const struct {
        const char* name;
        double share, error;
        const char *figure, *rest;
    } cases[] = {
        {"calm", 0.004, 0, nullptr, ""},
        {"one percent shows", 0.006, 2e-7, "2.0E-07", "・はみ出し 1%"},
        {"error 1.0E-03 is not red", 0.001, 1.04e-3, "1.0E-03", ""},
        {"error 1.1E-03 is red", 0.001, 1.06e-3, "1.1E-03", "（表示値の桁に誤差）"},
        {"20 % is not red", 0.2049, 0, nullptr, "・はみ出し 20%"},
        {"21 % with no calmer mode", 0.2051, 0, nullptr,
         "・はみ出し 21%（振動に注意：点の数を減らすか、比較で単調3次を見て下さい）"},
        {"both red, error first", 0.3, 2e-3, "2.0E-03",
         "・はみ出し 30%（表示値の桁に誤差）（振動に注意：点の数を減らすか、比較で単調3次を見て下さい）"},
    };
    for (const auto& c : cases) {
        const double s = -2 * c.share + 2 * std::sqrt(c.share * c.share + c.share);
        auto curve = [s](double u) { return u * (u - s) / (1 - s); };
        const std::vector<double> x{-2, s - 2, -1}, y{0, 0, 1};
        const std::vector<double> t{-2, s / 2 - 2, -1.01};
        const std::vector<double> p{curve(0), curve(s / 2), curve(0.99) + c.error};
        const CurveTrust trust = AssessCurve(1, x, y, t, p);
        const std::string figure = FormatExponential(trust.errorFigure, 1);
        EXPECT_TRUE(trust.assessed) << c.name;
        if (c.figure) {
            EXPECT_EQ(figure, c.figure) << c.name;
        }
        EXPECT_EQ(trust.text, "単精度誤差 " + figure + c.rest) << c.name;
        EXPECT_EQ(trust.red, std::string(c.rest).find("（") != std::string::npos) << c.name;
    }
}

// The comparison's share of the line and the advice about points the ordering pushed apart:
// exact curves, sampled by the same double-precision polynomial the figures measure against.
TEST_F(CurveTrustTest, ComparisonDifferenceAndCloseAbscissae) {
    using enum ComparisonMethod;
    const double ln = std::log(2.0), ln204 = std::log(2.04), ln10 = std::log(10.0);
    const std::vector<double> px{0, 1, 2}, py{0, 1, 0}; // points of the parabola 2t - t^2
    const struct {
        const char* name;
        int mode;
        std::vector<double> x, y, t;
        ComparisonMethod comparison;
        const char* text;
    } cases[] = {
        // The parabola at 0.5 is 0.75; the broken line 0.5, the natural spline 0.6875.
        {"broken line", 1, px, py, {0.5}, Linear, "単精度誤差 0.0E+00・比較との差 25%"},
        {"natural spline", 1, px, py, {0.5}, NaturalSpline, "単精度誤差 0.0E+00・比較との差 6%"},
        {"no comparison", 1, px, py, {0.5}, None, "単精度誤差 0.0E+00"},
        {"close points named in data space",
         3,
         {0, ln, ln204, ln10},
         {0, 1, 0, 1},
         {1.6820384104321502},
         None,
         "単精度誤差 0.0E+00・はみ出し 4551%（振動に注意：X の近い点があります（2 と 2.04））"},
        {"close points, calm curve", 1, {0, 2, 2.04, 10}, {0, 0.5, 0.5, 1}, {1}, None, "単精度誤差 0.0E+00"},
    };
    for (const auto& c : cases) {
        LagrangePolynomial polynomial;
        ASSERT_TRUE(polynomial.init(c.x, c.y)) << c.name;
        std::vector<double> p;
        for (double t : c.t)
            p.push_back(polynomial(t));
        EXPECT_EQ(AssessCurve(c.mode, c.x, c.y, c.t, p, c.comparison).text, c.text) << c.name;
    }
}

TEST_F(CurveTrustTest, FlatZeroAndUnassessableCurves) {
    const std::vector<double> samples{0.5};
    const struct {
        const char* name;
        std::vector<double> x, y;
        std::vector<double> p;
        bool assessed;
        const char* text;
    } cases[] = {
        // A flat curve is measured against its height, an all-zero one against 1.
        {"flat at 2", {0, 1}, {2, 2}, {2 + 4e-7}, true, "単精度誤差 2.0E-07"},
        {"flat at -2, swinging",
         {0, 1},
         {-2, -2},
         {-3},
         true,
         "単精度誤差 5.0E-01・はみ出し "
         "50%（表示値の桁に誤差）（振動に注意：点の数を減らすか、比較で単調3次を見て下さい）"},
        {"all zero", {0, 1}, {0, 0}, {3e-7}, true, "単精度誤差 3.0E-07"},
        {"one point", {0}, {1}, {1}, false, ""},
        {"equal abscissae", {0, 0}, {1, 2}, {1}, false, ""},
        {"not finite", {0, 1}, {1, 2}, {std::nan("")}, false, ""},
    };
    for (const auto& c : cases) {
        const CurveTrust trust = AssessCurve(1, c.x, c.y, samples, c.p);
        EXPECT_EQ(trust.assessed, c.assessed) << c.name;
        EXPECT_EQ(trust.text, c.text) << c.name;
    }
    Module1 noSamples;
    noSamples.ScaleMode = 1;
    noSamples.PointCount = 2;
    noSamples.ResultX[2] = 1;
    EXPECT_FALSE(AssessCurve(DrawnCurveOf(noSamples)).assessed);
}

} // namespace
} // namespace mirendo
