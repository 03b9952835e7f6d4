#include "qt/canvas/GraphModel.h"

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
    GraphPicture picture;
    picture.image = m_image.image().copy();
    picture.drawing = *this;
    picture.background = m_image.background();
    picture.foreground = m_image.foreground();
    return picture;
}

void GraphModel::redraw(const std::vector<Call>& calls) {
    restartList();
    m_image.setLineWidth(1);
    m_image.setDashed(false);
    m_image.clear();
    for (const Call& call : calls)
        replay(call, *this);
    emit changed();
}

void GraphModel::recorded(const Call& call) {
    replay(call, m_image);
    if (call.kind != Kind::Scale && call.kind != Kind::LineWidth)
        emit changed();
}

} // namespace mirendo
