#pragma once
// A painter canvas over its own image: the image of a graph model, the start window's example graphs.
#include "qt/canvas/PainterCanvas.h"

#include <QImage>
#include <QSize>

namespace mirendo {

class ImageCanvas : public PainterCanvas {
  public:
    // The image is `pixelSize` pixels (at least 1 x 1), cleared to the background.
    explicit ImageCanvas(QSize pixelSize);
    ~ImageCanvas() override; // ends the painter before the image goes

    const QImage& image() const { return m_image; }

  private:
    QImage m_image;
};

} // namespace mirendo
