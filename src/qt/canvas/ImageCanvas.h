#pragma once
// A painter canvas over its own image: the image of a graph model, the start window's example graphs.
// The image is made when something is first drawn on it or it is asked for: until then the canvas
// is one colour, and a graph area that stays empty costs neither the memory nor the filling of a
// picture the size of the area (at start-up, a megabyte of pages for the main window's graph).
#include "qt/canvas/PainterCanvas.h"

#include <QColor>
#include <QImage>
#include <QSize>

#include <optional>

namespace mirendo {

class ImageCanvas : public PainterCanvas {
  public:
    // The image is `pixelSize` pixels (at least 1 x 1), cleared to the background.
    explicit ImageCanvas(QSize pixelSize);
    ~ImageCanvas() override; // ends the painter before the image goes

    // The image, made (in the colour of the last clear) on first need.
    const QImage& image() const;
    // While nothing has been drawn since the last clear: the one colour the whole image is. A view
    // fills with it instead of asking for the image.
    std::optional<QColor> blankColour() const;

    int pixelWidth() const override { return m_size.width(); }
    int pixelHeight() const override { return m_size.height(); }

  protected:
    void aboutToPaint() override;
    void fillBackground() override;

  private:
    QSize m_size;
    mutable QImage m_image; // null until first needed
    bool m_attached = false;
    bool m_blank = true; // nothing drawn since the last clear
    QColor m_blankColour;
};

} // namespace mirendo
