#pragma once
// Graph area "Picture1": shows the image of its canvas (what the plots draw and the image save
// writes), draws the two red cursor lines Line1 (vertical) and Line2 (horizontal) on top,
// outside that image, and reports mouse moves in the canvas's user coordinates. The drawing
// operations go to the canvas, and into a display list of the calls since the last clear, from
// which the graph is drawn again as vectors; the widget only repaints after them.
//
// With a curve on the graph it also takes the keyboard: the arrow, page and Home/End keys ask for
// the readout to step over the samples, Ctrl+C copies the readout shown ("X<TAB>Y"), Ctrl+Shift+C
// the graph image; the context menu offers both copies.
#include "plot/GraphPicture.h"
#include "plot/ImageCanvas.h"
#include "plot/Readout.h"
#include "plot/RecordingCanvas.h"

#include <QImage>
#include <QWidget>

class QAction;
class QFrame;
class QMenu;
class QShortcut;

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

    // The readout texts the crosshair shows (both empty: none). Screen readers hear them as the
    // graph's name, "X = …, Y = …"; Ctrl+C copies them.
    void setReadoutTexts(const QString& x, const QString& y);
    bool hasReadout() const { return !m_readoutX.isEmpty() || !m_readoutY.isEmpty(); }
    // While on (a curve is drawn), Tab stops at the graph and its keys step the readout.
    void setKeyboardReadout(bool on);

    // The readout as "X<TAB>Y"; a beep and the clipboard untouched when none is shown.
    void copyValue();
    // The canvas image at its pixel size: what the plots drew, without the crosshair.
    void copyGraph();
    QMenu* contextMenu() const { return m_menu; }

  signals:
    // Mouse position in user coordinates (single precision, as the readout receives it).
    void mouseMovedTo(float x, float y);
    void clicked();
    // A key asks for the readout to move (only while the keyboard readout is on).
    void stepRequested(mirendo::ReadoutStep step);

  private:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    ImageCanvas m_canvas;
    RecordingCanvas m_drawing; // the calls since the last clear
    QFrame* m_line1 = nullptr;
    QFrame* m_line2 = nullptr;
    QString m_readoutX, m_readoutY;
    QMenu* m_menu = nullptr;
    QAction* m_copyValue = nullptr;
    // Ctrl+C and Ctrl+Shift+C of the window while the mouse is over the graph.
    QShortcut* m_hoverCopyValue = nullptr;
    QShortcut* m_hoverCopyGraph = nullptr;

    void showContextMenu(QPoint globalPos);
};

} // namespace mirendo
