#pragma once
// The few drawing operations the plots use. PainterCanvas (any Qt paint device: an image, an SVG
// file), RecordingCanvas (a display list; tests read it back) and GraphModel (the graph a graph
// area shows, both at once) implement it, so every plot is plain code that a test can run
// without a window.
#include <cstdint>

namespace mirendo {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Entries of the classic 16-colour palette that the graphs use.
inline constexpr Rgb kGridGrey{128, 128, 128}; // palette 8
inline constexpr Rgb kCurveBlue{0, 0, 255};    // palette 9
inline constexpr Rgb kPointRed{255, 0, 0};     // palette 12
// The comparison curve's, used for nothing else.
inline constexpr Rgb kComparisonGreen{0, 128, 0}; // palette 2

// The parts of a graph, each drawn by its own plot. Code that changes one part of a drawn graph
// (the comparison put under the curve, say) finds it by its layer, never by its colour. The
// crosshair is no layer of the drawing: the view draws it over the image (Line1, Line2).
enum class GraphLayer {
    Axes,       // grid and frame
    Points,     // the data points' dots
    Curve,      // the interpolation curve
    Comparison, // the comparison curve, under the interpolation curve
};

class GraphCanvas {
  public:
    virtual ~GraphCanvas() = default;

    // User scale: the left edge is `left`, the top edge `top`; a negative height makes Y grow upwards.
    virtual void setScale(float left, float top, float width, float height) = 0;
    virtual void clear() = 0;
    virtual void setLineWidth(int pixels) = 0;
    virtual void line(float x1, float y1, float x2, float y2, Rgb colour) = 0;
    // From the current position; the end point becomes the current position.
    virtual void lineTo(float x, float y, Rgb colour) = 0;
    // Rectangle outline in the foreground colour.
    virtual void frameRect(float x1, float y1, float x2, float y2) = 0;
    // A round dot as wide as the line width; it becomes the current position.
    virtual void dot(float x, float y, Rgb colour) = 0;
    // Lines from now on dashed (true) or solid (false, as at the start); the dashes run on along
    // a polyline. A canvas that cannot dash draws them solid.
    virtual void setDashed(bool /*dashed*/) {}
    // The layer the following calls belong to (Axes at the start and after a clear); it changes
    // nothing drawn.
    virtual void setLayer(GraphLayer /*layer*/) {}

    // Logical size of the drawing surface in pixels (bounds the number of grid lines).
    virtual int pixelWidth() const = 0;
    virtual int pixelHeight() const = 0;
};

} // namespace mirendo
