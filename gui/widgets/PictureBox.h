#pragma once
// Graph area "Picture1": shows the image of its canvas (what the plots draw and the image save
// writes), draws the two red cursor lines Line1 (vertical) and Line2 (horizontal) on top,
// outside that image, and reports mouse moves in the canvas's user coordinates. The drawing
// operations go to the canvas, and into a display list of the calls since the last clear, from
// which the graph is drawn again as vectors; the widget only repaints after them.
#include "plot/GraphPicture.h"
#include "plot/ImageCanvas.h"
#include "plot/RecordingCanvas.h"

#include <QImage>
#include <QWidget>

class QFrame;

namespace mirendo {

class PictureBox : public QWidget, public GraphCanvas {
    Q_OBJECT
  public:
    // `pixelSize` is the drawing surface, fixed for the window's lifetime (609 x 545 for the graphs).
    // The image is always `pixelSize` pixels, whatever the screen's scale: a saved graph has the
    // same size on every screen; on a scaled screen the widget shows it enlarged.
    explicit PictureBox(QSize pixelSize, QWidget* parent = nullptr);

    void setScale(float left, float top, float width, float height) override;
    void clear() override;
    void setLineWidth(int pixels) override;
    void line(float x1, float y1, float x2, float y2, Rgb colour) override;
    void lineTo(float x, float y, Rgb colour) override;
    void frameRect(float x1, float y1, float x2, float y2) override;
    void dot(float x, float y, Rgb colour) override;
    int pixelWidth() const override;
    int pixelHeight() const override;

    const QImage& image() const { return m_canvas.image(); }
    ImageCanvas& canvas() { return m_canvas; }
    // The image with its display list and colours: what the image save writes.
    GraphPicture picture() const;

    // Crosshair in user coordinates; hiding leaves the image untouched.
    void showCursorLines(float x, float y);
    void hideCursorLines();
    bool cursorLinesVisible() const;

    // Pixel <-> user coordinates of the current scale.
    QPointF toPixel(float x, float y) const;
    QPointF toUser(QPointF pixel) const;

  signals:
    // Mouse position in user coordinates (single precision, as the readout receives it).
    void mouseMovedTo(float x, float y);
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    ImageCanvas m_canvas;
    RecordingCanvas m_drawing; // the calls since the last clear
    QFrame* m_line1 = nullptr;
    QFrame* m_line2 = nullptr;
};

} // namespace mirendo
