#pragma once
// The drawing interface on any paint device (an image, an SVG generator, ...): the user scale is
// mapped onto the device's logical size, segments far outside it are clipped before they reach
// QPainter, and dots are crisp discs of whole pixels. One painter stays open on the device from
// the first drawing call until finish(), since some devices write one document per painter.
#include "core/plot/GraphCanvas.h"

#include <QColor>
#include <QPointF>
#include <QPolygonF>
#include <QRect>

#include <memory>

class QPaintDevice;
class QPainter;

namespace mirendo {

// Clips the segment a-b to the rectangle [xmin, xmax] x [ymin, ymax]; false when nothing of it
// is inside. Each cut is interpolated from the other end, so a segment from a visible point to
// one 1E30 pixels away stays accurate where it crosses the rectangle.
bool ClipSegment(QPointF& a, QPointF& b, double xmin, double ymin, double xmax, double ymax);

class PainterCanvas : public GraphCanvas {
  public:
    // Draws on `device`, which must outlive the canvas (or its finish()).
    explicit PainterCanvas(QPaintDevice& device);
    ~PainterCanvas() override;
    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;

    // Background (what clear() fills with) and foreground (the frame's colour).
    void setColours(QColor background, QColor foreground);
    QColor background() const { return m_background; }
    QColor foreground() const { return m_foreground; }
    // For a vector device (an SVG file): dots become round paths, the frame one closed polyline
    // and each run of lineTo segments one polyline, where a bitmap needs whole-pixel shapes and
    // separate segments. The geometry is the same.
    void setVectorOutput(bool vector) { m_vector = vector; }
    // Draws into `area` of the device (its top left the origin of the pixel coordinates, its size
    // the surface the scale maps onto) instead of the whole device: a picture with a margin.
    // Set before the first drawing call.
    void setArea(QRect area) { m_area = area; }
    // The painter on the device in device coordinates, unclipped, once the graph is drawn: for
    // drawing beside it (texts in the margin), since a vector device writes one document per painter.
    QPainter& devicePainter();

    void setScale(float left, float top, float width, float height) override;
    void clear() override;
    void setLineWidth(int pixels) override;
    void line(float x1, float y1, float x2, float y2, Rgb colour) override;
    void lineTo(float x, float y, Rgb colour) override;
    void frameRect(float x1, float y1, float x2, float y2) override;
    void dot(float x, float y, Rgb colour) override;
    void setDashed(bool dashed) override;
    // The device's logical size.
    int pixelWidth() const override;
    int pixelHeight() const override;

    // Pixel <-> user coordinates of the current scale.
    QPointF toPixel(float x, float y) const;
    QPointF toUser(QPointF pixel) const;

    // Ends the painter; the next drawing call opens a new one.
    void finish();

  protected:
    // For a canvas that owns its device: attach() it before the first drawing call.
    PainterCanvas();
    void attach(QPaintDevice& device);
    // Called before every use of the painter, and before it is opened: a canvas that makes its
    // device on first need makes it here.
    virtual void aboutToPaint() {}
    // What clear() does to the pixels: fills the surface with the background.
    virtual void fillBackground();

  private:
    QPainter& painter();
    // One pixel-space segment with the current width; non-finite ends are skipped and far-away
    // ends clipped, so absurd user coordinates can neither hang nor crash the painter.
    void strokeSegment(QPointF a, QPointF b, const QColor& colour);
    // `travel`: how far along the dashed line the stroke starts, in pixels.
    void setPen(const QColor& colour, double travel = 0);
    // Vector output: the lineTo run drawn so far goes out as one polyline.
    void flushRun();

    QPaintDevice* m_device = nullptr;
    std::unique_ptr<QPainter> m_painter;
    QColor m_background = Qt::white;
    QColor m_foreground = Qt::black;
    float m_left = 0, m_top = 0, m_width = 1, m_height = 1;
    int m_lineWidth = 1;
    QPointF m_current;
    bool m_vector = false;
    QPolygonF m_run; // vector output: the pending lineTo polyline, in pixels
    QColor m_runColour;
    int m_runWidth = 1;
    QRect m_area; // empty: the whole device
    bool m_dashed = false;
    double m_dashTravel = 0; // length of the dashed line drawn so far, in pixels
    double m_runTravel = 0;  // where the pending run starts along it
    bool m_runDashed = false;
};

} // namespace mirendo
