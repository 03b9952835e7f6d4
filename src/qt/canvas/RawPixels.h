#pragma once
// Pictures drawn at build time and compiled in as raw 32-bit pixels, uncompressed, so that a
// window shows them without drawing or decoding anything at start.
#include <QPixmap>
#include <QSize>
#include <QString>

namespace mirendo {

// The compiled-in resource at `path` as a picture of `size` (RGB32, rows packed); null when the
// resource is missing, compressed or of another size.
QPixmap CompiledInRawPixels(const QString& path, QSize size);

} // namespace mirendo
