#include "qt/canvas/ImageCanvas.h"

namespace mirendo {

ImageCanvas::ImageCanvas(QSize pixelSize) : m_image(pixelSize.expandedTo(QSize(1, 1)), QImage::Format_RGB32) {
    attach(m_image);
    clear();
}

ImageCanvas::~ImageCanvas() {
    finish();
}

} // namespace mirendo
