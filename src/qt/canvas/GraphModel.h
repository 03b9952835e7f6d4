#pragma once
// The graph of a graph area, below the widget that shows it (its owner makes it and hands it to
// the widget), and the one canvas the plots draw on: its display list (the calls since the last
// clear, from which a vector file is drawn) and the image every call is drawn on at once (what
// the area shows and a bitmap file holds), in the colours the area clears and frames in. The
// mouse is read back through its scale.
#include "core/plot/RecordingCanvas.h"
#include "qt/canvas/GraphPicture.h"
#include "qt/canvas/ImageCanvas.h"

#include <QObject>
#include <QPointF>

namespace mirendo {

class GraphModel : public QObject, public RecordingCanvas {
    Q_OBJECT
  public:
    // The image is `pixelSize` pixels (at least 1 x 1), fixed for the model's lifetime.
    explicit GraphModel(QSize pixelSize, QObject* parent = nullptr);

    // Background (what clear() fills with) and foreground (the frame's colour).
    void setColours(QColor background, QColor foreground);
    const QImage& image() const { return m_image.image(); }
    // While nothing is drawn since the last clear: the one colour of the whole image, which a view
    // fills with rather than making the image.
    std::optional<QColor> blankColour() const { return m_image.blankColour(); }
    QSize pixelSize() const { return QSize(pixelWidth(), pixelHeight()); }
    // A copy of the image with the display list and the colours: what the image save writes.
    GraphPicture picture() const;

    // Draws the graph again from `calls` alone (a display list of this model, changed): the image
    // and the list become what those calls make.
    void redraw(const std::vector<Call>& calls);

    // Pixel <-> user coordinates of the scale in force.
    QPointF toPixel(float x, float y) const { return m_image.toPixel(x, y); }
    QPointF toUser(QPointF pixel) const { return m_image.toUser(pixel); }

  signals:
    // The image changed: a view repaints.
    void changed();

  private:
    void recorded(const Call& call) override;

    ImageCanvas m_image;
};

} // namespace mirendo
