#pragma once
// The mapping between a chart picture's pixels and its data, from four reference points only: two
// on the X axis (X1, X2) and two on the Y axis (Y1, Y2), each with a typed value. The picture's
// rows and columns play no part, so a scan rotated by a few degrees or with axes slightly off the
// perpendicular reads right.
//
// With u = pX2 - pX1 and v = pY2 - pY1 (the directions of the two axes), a pixel P is written as
// P - pX1 = s u + t v: s is the X fraction (0 at X1, 1 at X2), and moving parallel to the Y axis
// leaves it unchanged. Likewise P - pY1 = s' u + t' v gives the Y fraction t'. A value is the
// linear interpolation of the two reference values in linear space, or in log space on a
// logarithmic axis.
#include "core/chart/ChartTypes.h"

#include <array>
#include <optional>
#include <string>
#include <variant>

namespace mirendo::chart {

// Why four reference points give no calibration. Each names the axis (and for a missing
// reference or value, the reference) it concerns.
enum class CalibrationProblem {
    ReferenceNotPlaced,   // a reference point is not placed yet
    ValueMissing,         // a reference point has no value typed (or not a finite one)
    ReferencesOnOnePixel, // the two reference points of one axis are closer than half a pixel
    EqualValues,          // the two values of one axis are equal
    NotPositiveOnLogAxis, // a value <= 0 on a logarithmic axis
    NoTwoAxisDirections,  // the X and Y reference pairs run (nearly) in one direction
};

struct CalibrationRefusal {
    CalibrationProblem problem = CalibrationProblem::ReferenceNotPlaced;
    ChartAxis axis = ChartAxis::X;
    Reference reference = Reference::X1; // for ReferenceNotPlaced, ValueMissing, NotPositiveOnLogAxis
    friend bool operator==(const CalibrationRefusal&, const CalibrationRefusal&) = default;
};

// What the four references hold: a pixel when placed, a value when typed.
struct CalibrationInput {
    std::array<std::optional<PixelPoint>, kReferenceCount> pixels{}; // index: static_cast<int>(Reference)
    std::array<std::optional<double>, kReferenceCount> values{};
    AxisScale xScale = AxisScale::Linear;
    AxisScale yScale = AxisScale::Linear;
};

// What half a pixel means at a point: the largest change of X and of Y that a move of half a pixel
// in any direction makes. On a logarithmic axis a relative spread (0.004 for "±0.4%"), on a linear
// one an absolute spread in data units. The mapping is affine (in log space on a log axis), so the
// spread is the same all over the picture.
struct HalfPixelSpread {
    double x = 0, y = 0;
    bool xRelative = false, yRelative = false;
};

class Calibration {
  public:
    // The calibration the four references give, or why they give none. The refusals are checked
    // in a fixed order (missing pixel, missing value, one pixel, equal values, log value <= 0,
    // directions), X1 X2 Y1 Y2 first to last within each, so the first problem found is named.
    static std::variant<Calibration, CalibrationRefusal> Make(const CalibrationInput& input);

    // |sin| of the angle between the two axes below which they count as one direction.
    static constexpr double kMinAxisSine = 0.02;
    // Two reference points of one axis closer than this (pixels) lie on one pixel.
    static constexpr double kMinReferenceDistance = 0.5;

    DataPoint toData(PixelPoint pixel) const;
    // The inverse: where a data point lies in the picture. Nothing for a value <= 0 on a
    // logarithmic axis or a non-finite result.
    std::optional<PixelPoint> toPixel(DataPoint data) const;

    // The fractions along the axes (0 at the first reference point, 1 at the second), and back.
    double xFraction(PixelPoint pixel) const;
    double yFraction(PixelPoint pixel) const;
    // The pixel whose fractions are (s, t).
    PixelPoint pixelAtFractions(double s, double t) const;

    HalfPixelSpread halfPixelSpread(PixelPoint pixel) const;

    AxisScale scale(ChartAxis axis) const { return axis == ChartAxis::X ? m_xScale : m_yScale; }
    const CalibrationInput& input() const { return m_input; }

  private:
    Calibration() = default;
    CalibrationInput m_input;
    AxisScale m_xScale = AxisScale::Linear, m_yScale = AxisScale::Linear;
    PixelPoint m_x1, m_y1;   // the origins of the two fractions
    double m_inv[2][2] = {}; // inverse of the matrix [u v]: pixel offsets -> (s, t)
    double m_u[2] = {}, m_v[2] = {};
    double m_xFrom = 0, m_xTo = 0, m_yFrom = 0, m_yTo = 0; // values, in log10 on a log axis
};

// A value at `fraction` between `from` and `to` (in log10 on a log axis), and back.
double ValueAtFraction(double from, double to, double fraction, AxisScale scale);

// The half-pixel spread as the list beside the picture words it: "±0.4%" on a logarithmic axis
// (one significant digit of the percentage), "±0.012" in the readout's notation on a linear one.
std::string HalfPixelText(double spread, bool relative);

} // namespace mirendo::chart
