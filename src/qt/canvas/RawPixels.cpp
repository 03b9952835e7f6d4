#include "qt/canvas/RawPixels.h"

#include <QImage>
#include <QResource>

namespace mirendo {

QPixmap CompiledInRawPixels(const QString& path, QSize size) {
    const QResource resource(path);
    const qint64 expected = qint64(size.width()) * size.height() * 4;
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() != expected)
        return {};
    // The image reads the resource's memory in place; the pixmap shares it where the platform can.
    const QImage pixels(resource.data(), size.width(), size.height(), size.width() * 4, QImage::Format_RGB32);
    return QPixmap::fromImage(pixels);
}

} // namespace mirendo
