#include "plot/GraphModel.h"

namespace mirendo {

GraphModel::GraphModel(QSize pixelSize, QObject* parent)
    : QObject(parent),
      RecordingCanvas(pixelSize.expandedTo(QSize(1, 1)).width(), pixelSize.expandedTo(QSize(1, 1)).height()),
      m_image(pixelSize) {}

void GraphModel::setColours(QColor background, QColor foreground) {
    m_image.setColours(background, foreground);
}

GraphPicture GraphModel::picture() const {
    // A deep copy: the image canvas keeps its painter open on the image, so a shared copy would
    // change with the next drawing while its display list would not.
    return {m_image.image().copy(), *this, m_image.background(), m_image.foreground()};
}

void GraphModel::recorded(const Call& call) {
    replay(call, m_image);
    if (call.kind != Kind::Scale && call.kind != Kind::LineWidth)
        emit changed();
}

} // namespace mirendo
