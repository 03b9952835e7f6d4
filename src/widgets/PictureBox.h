#pragma once
// Graph area "Picture1", the view of a graph model that its owner makes and hands in: it shows
// the model's image (what the plots drew on the model, what the image save writes), draws the two
// red cursor lines Line1 (vertical) and Line2 (horizontal) on top, outside that image, and reports
// mouse moves in the model's user coordinates. It repaints whenever the model changes.
//
// With a curve on the graph it also takes the keyboard: the arrow, page and Home/End keys ask for
// the readout to step over the samples, Ctrl+C copies the readout shown ("X<TAB>Y"), Ctrl+Shift+C
// the graph image; the context menu offers both copies and what the graph's owner adds.
#include "core/plot/Readout.h"
#include "qt/canvas/GraphModel.h"

#include <QPointer>
#include <QWidget>

class QAction;
class QFrame;
class QMenu;
class QShortcut;

namespace mirendo {

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    // `pixelSize` is the drawing surface, fixed for the window's lifetime (609 x 545 for the graphs).
    // The image is always `pixelSize` pixels, whatever the screen's scale: a saved graph has the
    // same size on every screen; on a scaled screen the widget shows it enlarged.
    explicit PictureBox(QSize pixelSize, QWidget* parent = nullptr);

    // The drawing surface's size (at least 1 x 1 pixel): the size of the model to hand in.
    QSize pixelSize() const { return m_pixelSize; }
    // The graph shown, kept by the caller (the graph panel, a test); the view follows its changes.
    // Without one (none handed in yet, or it is gone) the view shows its background alone.
    void setGraph(GraphModel* graph);
    bool hasGraph() const { return m_graph != nullptr; }
    // The graph handed in; there must be one.
    GraphModel& graph() const { return *m_graph; }

    // Crosshair in user coordinates; hiding leaves the image untouched.
    void showCursorLines(float x, float y);
    void hideCursorLines();

    // The readout texts the crosshair shows (both empty: none). Screen readers hear them as the
    // graph's name, "X = …, Y = …"; Ctrl+C copies them. A `slope` ("傾き dY/dX = 1.700") is
    // heard after them, and its value copied as a third column.
    void setReadoutTexts(const QString& x, const QString& y, const QString& slope = QString(),
                         const QString& slopeValue = QString());
    // While on (a curve is drawn), Tab stops at the graph and its keys step the readout.
    void setKeyboardReadout(bool on);
    // A further entry of the context menu, after the copies; its owner enables it as fits.
    QAction* addMenuAction(const QString& text, const char* objectName);

  signals:
    // Mouse position in user coordinates (single precision, as the readout receives it).
    void mouseMovedTo(float x, float y);
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

    bool hasReadout() const { return !m_readoutX.isEmpty() || !m_readoutY.isEmpty(); }
    // The readout as "X<TAB>Y"; a beep and the clipboard untouched when none is shown.
    void copyValue();
    // The model's image at its pixel size: what the plots drew, without the crosshair.
    void copyGraph();
    void showContextMenu(QPoint globalPos);

    QSize m_pixelSize;
    QPointer<GraphModel> m_graph;
    QFrame* m_line1 = nullptr;
    QFrame* m_line2 = nullptr;
    QString m_readoutX, m_readoutY;
    QString m_readoutSlope; // the slope's value as copied; empty when none is shown
    QMenu* m_menu = nullptr;
    QAction* m_copyValue = nullptr;
    // Ctrl+C and Ctrl+Shift+C of the window while the mouse is over the graph.
    QShortcut* m_hoverCopyValue = nullptr;
    QShortcut* m_hoverCopyGraph = nullptr;
};

} // namespace mirendo
