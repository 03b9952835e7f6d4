// The calibration against a forward model of its own: random frames (rotated up to 10 degrees,
// axes up to 3 degrees off the perpendicular, linear and log axes) map known data to pixels, and
// the calibration from four reference points must read them back. The points go on through the
// point file text and the real point file reader.
#include "core/chart/ChartFiles.h"
#include "core/input/PointFileReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace mirendo::chart {
namespace {

// One axis of the forward model: its data range and whether it runs in log space.
struct Axis {
    double lo, hi;
    bool log;
    double Fraction(double v) const {
        return log ? std::log(v / lo) / std::log(hi / lo) : (v - lo) / (hi - lo);
    }
    double At(double f) const { return log ? lo * std::pow(hi / lo, f) : lo + f * (hi - lo); }
};

Axis RandomAxis(std::mt19937& rng) {
    std::uniform_real_distribution<double> u(0, 1);
    const double a = u(rng), b = u(rng);
    return a < 0.5 ? Axis{-100 + 200 * b, -100 + 200 * b + std::pow(10.0, -2 + 10 * a), false}
                   : Axis{std::pow(10.0, -6 + 9 * b), std::pow(10.0, -6 + 9 * b + 10 * a - 4.5), true};
}

TEST(ChartCalibration, ReadsRandomFramesBackAgainstAForwardModel) {
    std::mt19937 rng(20261208);
    std::uniform_real_distribution<double> u(0, 1), v(-0.1, 1.1); // v: values a little beyond the references
    const double degree = std::acos(-1.0) / 180;
    for (int frame = 0; frame < 400; ++frame) {
        SCOPED_TRACE(frame);
        const Axis ax = RandomAxis(rng), ay = RandomAxis(rng);
        const double rotation = (-10 + 20 * u(rng)) * degree, skew = (-3 + 6 * u(rng)) * degree;
        const double kx = 100 + 2900 * u(rng), ky = 100 + 2900 * u(rng); // pixels from lo to hi
        const double ox = 500 * u(rng), oy = 500 + 3000 * u(rng);
        // X runs right (turned by the rotation), Y up (turned by rotation and skew); rows go down.
        auto forward = [&](double x, double y) {
            const double fx = ax.Fraction(x) * kx, fy = ay.Fraction(y) * ky;
            return PixelPoint{ox + fx * std::cos(rotation) + fy * std::sin(rotation + skew),
                              oy + fx * std::sin(rotation) - fy * std::cos(rotation + skew)};
        };
        const bool sharedOrigin = u(rng) < 0.3;
        const double x1 = sharedOrigin ? ax.lo : ax.At(v(rng)), x2 = ax.At(v(rng));
        const double y1 = sharedOrigin ? ay.lo : ay.At(v(rng)), y2 = ay.At(v(rng));
        ChartDocument d;
        d.setScale(ChartAxis::X, ax.log ? AxisScale::Log : AxisScale::Linear);
        d.setScale(ChartAxis::Y, ay.log ? AxisScale::Log : AxisScale::Linear);
        const std::pair<PixelPoint, double> references[] = {{forward(x1, ay.lo), x1},
                                                            {forward(x2, ay.lo), x2},
                                                            {forward(ax.lo, y1), y1},
                                                            {forward(ax.lo, y2), y2}};
        for (Reference r : kReferences)
            d.placeReference(r, references[int(r)].first), d.setReferenceValue(r, references[int(r)].second);
        const auto made = d.calibration();
        const double xPixels = std::abs(ax.Fraction(x2) - ax.Fraction(x1)) * kx;
        const double yPixels = std::abs(ay.Fraction(y2) - ay.Fraction(y1)) * ky;
        if (xPixels < 0.5 || yPixels < 0.5) {
            ASSERT_EQ(std::get<CalibrationRefusal>(made).problem, CalibrationProblem::ReferencesOnOnePixel);
            continue;
        }
        const Calibration& c = std::get<Calibration>(made);
        const int count = std::uniform_int_distribution<int>(1, 10)(rng);
        for (int i = 0; i < count; ++i) {
            const double x = ax.At(v(rng)), y = ay.At(v(rng));
            const PixelPoint p = forward(x, y);
            const DataPoint read = c.toData(p);
            // Errors measured in pixels, where the model says how far a fraction reaches.
            EXPECT_NEAR(ax.Fraction(read.x) * kx, ax.Fraction(x) * kx, 1e-6 * (1 + kx / xPixels));
            EXPECT_NEAR(ay.Fraction(read.y) * ky, ay.Fraction(y) * ky, 1e-6 * (1 + ky / yPixels));
            const PixelPoint back = c.toPixel({x, y}).value();
            EXPECT_NEAR(std::hypot(back.x - p.x, back.y - p.y), 0, 1e-6 * (1 + kx / xPixels + ky / yPixels));
            d.placePoint(p);
        }
        // The points as a point file: the real reader reads back the very values handed over.
        const std::vector<DataPoint> data = d.dataPoints();
        const PointFileRead file = ReadPointText(PointFileText(data));
        ASSERT_TRUE(file.givesPoints() && file.pointsRead == count) << PointFileText(data);
        for (int i = 0; i < count; ++i)
            EXPECT_TRUE(file.x[i + 1] == data[i].x && file.y[i + 1] == data[i].y &&
                        (i == 0 || data[i - 1].x <= data[i].x));
    }
}

} // namespace
} // namespace mirendo::chart
