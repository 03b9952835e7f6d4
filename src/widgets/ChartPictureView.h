#pragma once
// The picture of a chart to read points off: zoom (Ctrl+wheel, +/−, fit), pan (scroll bars,
// wheel, middle drag), the marks the window gives (reference points, points, the selected one)
// and the calibrated grid drawn over it, and a keyboard cursor. Positions are in the picture's
// pixel frame: pixel (i, j) covers [i, i+1) x [j, j+1), y grows downwards.
//
// Only the visible part is painted, from a level of a half-size pyramid (built on first need)
// that is no finer than twice the screen's resolution, so a picture of 8000 x 8000 pixels pans
// and zooms as quickly as a small one. Zoomed in, the pixels are shown as squares.
//
// The view decides nothing about the chart: a click, Enter, an arrow key on a selected mark or
// Delete become requests that the window answers by giving the marks again.
#include <QAbstractScrollArea>
#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

namespace mirendo {

struct ChartMark {
    QPointF pixel;
    QString label;
    bool reference = false; // a calibration point (drawn as a square) rather than a point
    bool selected = false;
};

struct ChartGridLine {
    QLineF pixels;
    QString label; // written at the line's first end
    bool major = true;
};

class ChartPictureView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit ChartPictureView(QWidget* parent = nullptr);

    // The picture, converted to 32-bit pixels; the view fits it and puts the cursor at its centre.
    void setImage(const QImage& image);
    const QImage& image() const { return m_levels.front(); }
    bool hasImage() const { return !m_levels.front().isNull(); }

    void setMarks(std::vector<ChartMark> marks);
    void setGrid(std::vector<ChartGridLine> grid);
    const std::vector<ChartMark>& marks() const { return m_marks; }

    // Screen pixels per picture pixel (at a device pixel ratio of 1).
    double zoom() const { return m_zoom; }
    // The zoom changed so that the picture position under `anchor` (viewport coordinates) stays.
    void setZoom(double zoom, QPointF anchor);
    void zoomIn();
    void zoomOut();
    void fitToWindow();

    QPointF keyboardCursor() const { return m_cursor; }
    void setKeyboardCursor(QPointF pixel);

    QPointF viewportToPixel(QPointF point) const;
    QPointF pixelToViewport(QPointF pixel) const;

  signals:
    // A click on the picture away from every mark, or Enter at the keyboard cursor (`byKey`).
    void placeRequested(QPointF pixel, bool byKey);
    void markClicked(int index);
    // A mark dragged with the mouse and let go at `pixel`.
    void markDragged(int index, QPointF pixel);
    // An arrow key while a mark is selected: move it by (dx, dy) pixels.
    void nudgeRequested(double dx, double dy);
    void deleteRequested();
    void deselectRequested();
    // The pixel under the mouse, or the keyboard cursor after it moved.
    void cursorMoved(QPointF pixel);
    void fileDropped(const QString& path);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // The picture at 1/2^level of its size, built from the level above on first need.
    const QImage& level(int level);
    int levelFor(double devicePixelsPerPixel) const;
    QPointF origin() const;
    void updateScrollBars();
    void ensureVisible(QPointF pixel);
    std::optional<int> markAt(QPointF viewportPoint) const;
    bool anySelected() const;
    void paintOverlay(QPainter& painter);

    std::vector<QImage> m_levels{QImage()};
    std::vector<ChartMark> m_marks;
    std::vector<ChartGridLine> m_grid;
    double m_zoom = 1.0;
    bool m_fitting = true; // the zoom follows the viewport's size until the user zooms
    QPointF m_cursor;

    // Mouse gestures in progress.
    std::optional<int> m_dragged;
    QPointF m_pressAt;
    QPointF m_dragTo;
    bool m_pressedOnPicture = false;
    bool m_panning = false;
    QPoint m_panFrom;
};

} // namespace mirendo
