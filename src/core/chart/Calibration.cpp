#include "core/chart/Calibration.h"

#include "core/text/NumberText.h"

#include <cmath>

namespace mirendo::chart {

namespace {

int IndexOf(Reference reference) {
    return static_cast<int>(reference);
}

double AxisValue(double value, AxisScale scale) {
    return scale == AxisScale::Log ? std::log10(value) : value;
}

} // namespace

double ValueAtFraction(double from, double to, double fraction, AxisScale scale) {
    // Written as a weighted mean so that values of opposite sign near the double's limits do not
    // overflow in their difference.
    const double inAxis = from * (1 - fraction) + to * fraction;
    return scale == AxisScale::Log ? std::pow(10.0, inAxis) : inAxis;
}

std::variant<Calibration, CalibrationRefusal> Calibration::Make(const CalibrationInput& input) {
    for (Reference r : kReferences)
        if (!input.pixels[IndexOf(r)])
            return CalibrationRefusal{CalibrationProblem::ReferenceNotPlaced, AxisOf(r), r};
    for (Reference r : kReferences)
        if (!input.values[IndexOf(r)] || !std::isfinite(*input.values[IndexOf(r)]))
            return CalibrationRefusal{CalibrationProblem::ValueMissing, AxisOf(r), r};
    const PixelPoint x1 = *input.pixels[0], x2 = *input.pixels[1], y1 = *input.pixels[2],
                     y2 = *input.pixels[3];
    const double u[2] = {x2.x - x1.x, x2.y - x1.y};
    const double v[2] = {y2.x - y1.x, y2.y - y1.y};
    const double uLength = std::hypot(u[0], u[1]), vLength = std::hypot(v[0], v[1]);
    if (!(uLength >= kMinReferenceDistance))
        return CalibrationRefusal{CalibrationProblem::ReferencesOnOnePixel, ChartAxis::X, Reference::X2};
    if (!(vLength >= kMinReferenceDistance))
        return CalibrationRefusal{CalibrationProblem::ReferencesOnOnePixel, ChartAxis::Y, Reference::Y2};
    const double vx1 = *input.values[0], vx2 = *input.values[1], vy1 = *input.values[2],
                 vy2 = *input.values[3];
    if (vx1 == vx2)
        return CalibrationRefusal{CalibrationProblem::EqualValues, ChartAxis::X, Reference::X2};
    if (vy1 == vy2)
        return CalibrationRefusal{CalibrationProblem::EqualValues, ChartAxis::Y, Reference::Y2};
    for (Reference r : kReferences) {
        const AxisScale scale = AxisOf(r) == ChartAxis::X ? input.xScale : input.yScale;
        if (scale == AxisScale::Log && !(*input.values[IndexOf(r)] > 0))
            return CalibrationRefusal{CalibrationProblem::NotPositiveOnLogAxis, AxisOf(r), r};
    }
    const double det = u[0] * v[1] - v[0] * u[1];
    if (!(std::abs(det) >= kMinAxisSine * uLength * vLength))
        return CalibrationRefusal{CalibrationProblem::NoTwoAxisDirections, ChartAxis::X, Reference::X1};

    Calibration c;
    c.m_input = input;
    c.m_xScale = input.xScale;
    c.m_yScale = input.yScale;
    c.m_x1 = x1;
    c.m_y1 = y1;
    c.m_u[0] = u[0];
    c.m_u[1] = u[1];
    c.m_v[0] = v[0];
    c.m_v[1] = v[1];
    c.m_inv[0][0] = v[1] / det;
    c.m_inv[0][1] = -v[0] / det;
    c.m_inv[1][0] = -u[1] / det;
    c.m_inv[1][1] = u[0] / det;
    c.m_xFrom = AxisValue(vx1, input.xScale);
    c.m_xTo = AxisValue(vx2, input.xScale);
    c.m_yFrom = AxisValue(vy1, input.yScale);
    c.m_yTo = AxisValue(vy2, input.yScale);
    return c;
}

double Calibration::xFraction(PixelPoint p) const {
    return m_inv[0][0] * (p.x - m_x1.x) + m_inv[0][1] * (p.y - m_x1.y);
}

double Calibration::yFraction(PixelPoint p) const {
    return m_inv[1][0] * (p.x - m_y1.x) + m_inv[1][1] * (p.y - m_y1.y);
}

PixelPoint Calibration::pixelAtFractions(double s, double t) const {
    // P - pX1 = s u + t0 v and P - pY1 = s' u + t v differ by pX1 - pY1, whose own v-part is the
    // offset between t0 and t.
    const double offset = m_inv[1][0] * (m_x1.x - m_y1.x) + m_inv[1][1] * (m_x1.y - m_y1.y);
    const double t0 = t - offset;
    return {m_x1.x + s * m_u[0] + t0 * m_v[0], m_x1.y + s * m_u[1] + t0 * m_v[1]};
}

DataPoint Calibration::toData(PixelPoint pixel) const {
    return {ValueAtFraction(m_xFrom, m_xTo, xFraction(pixel), m_xScale),
            ValueAtFraction(m_yFrom, m_yTo, yFraction(pixel), m_yScale)};
}

std::optional<PixelPoint> Calibration::toPixel(DataPoint data) const {
    if ((m_xScale == AxisScale::Log && !(data.x > 0)) || (m_yScale == AxisScale::Log && !(data.y > 0)))
        return std::nullopt;
    const double s = (AxisValue(data.x, m_xScale) - m_xFrom) / (m_xTo - m_xFrom);
    const double t = (AxisValue(data.y, m_yScale) - m_yFrom) / (m_yTo - m_yFrom);
    const PixelPoint p = pixelAtFractions(s, t);
    if (!std::isfinite(p.x) || !std::isfinite(p.y))
        return std::nullopt;
    return p;
}

HalfPixelSpread Calibration::halfPixelSpread(PixelPoint pixel) const {
    // The fractions are affine in the pixel, so half a pixel in the worst direction moves a
    // fraction by half the length of its gradient.
    const double ds = 0.5 * std::hypot(m_inv[0][0], m_inv[0][1]);
    const double dt = 0.5 * std::hypot(m_inv[1][0], m_inv[1][1]);
    HalfPixelSpread spread;
    spread.xRelative = m_xScale == AxisScale::Log;
    spread.yRelative = m_yScale == AxisScale::Log;
    spread.x = spread.xRelative ? std::pow(10.0, ds * std::abs(m_xTo - m_xFrom)) - 1
                                : ds * std::abs(m_xTo - m_xFrom);
    spread.y = spread.yRelative ? std::pow(10.0, dt * std::abs(m_yTo - m_yFrom)) - 1
                                : dt * std::abs(m_yTo - m_yFrom);
    (void)pixel;
    return spread;
}

std::string HalfPixelText(double spread, bool relative) {
    if (relative)
        return "±" + SignificantText(spread * 100, 1) + "%";
    return "±" + ReadoutText(spread, false);
}

} // namespace mirendo::chart
