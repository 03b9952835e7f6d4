#include "qt/canvas/ImageCanvas.h"

namespace mirendo {

ImageCanvas::ImageCanvas(QSize pixelSize) : m_size(pixelSize.expandedTo(QSize(1, 1))) {
    clear();
}

ImageCanvas::~ImageCanvas() {
    finish();
}

const QImage& ImageCanvas::image() const {
    if (m_image.isNull()) {
        m_image = QImage(m_size, QImage::Format_RGB32);
        m_image.fill(m_blankColour);
    }
    return m_image;
}

std::optional<QColor> ImageCanvas::blankColour() const {
    if (!m_blank)
        return std::nullopt;
    return m_blankColour;
}

void ImageCanvas::aboutToPaint() {
    if (!m_attached) {
        image();
        attach(m_image);
        m_attached = true;
    }
    m_blank = false;
}

void ImageCanvas::fillBackground() {
    // Without an image yet there is nothing to fill: it is made in this colour when needed.
    if (!m_image.isNull())
        PainterCanvas::fillBackground();
    m_blank = true;
    m_blankColour = background();
}

} // namespace mirendo
