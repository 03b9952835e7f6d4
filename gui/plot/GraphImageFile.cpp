#include "plot/GraphImageFile.h"

#include "plot/PainterCanvas.h"

#include <QIODevice>
#include <QSvgGenerator>

namespace mirendo {

QString ImageFormatName(ImageFormat format) {
    switch (format) {
    case ImageFormat::Bmp:
        return QStringLiteral("BMP");
    case ImageFormat::Png:
        return QStringLiteral("PNG");
    case ImageFormat::Svg:
        return QStringLiteral("SVG");
    }
    return QString();
}

QString ImageSuffix(ImageFormat format) {
    return QLatin1Char('.') + ImageFormatName(format).toLower();
}

bool WriteGraphPicture(const GraphPicture& picture, ImageFormat format, QIODevice& out) {
    if (picture.image.isNull())
        return false;
    if (format != ImageFormat::Svg)
        return picture.image.save(&out, format == ImageFormat::Bmp ? "BMP" : "PNG");

    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(picture.image.size());
    svg.setViewBox(QRect(QPoint(0, 0), picture.image.size()));
    // The size is written in millimetres; at the CSS 96 per inch it is the bitmap's pixel size.
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Mirendo"));
    PainterCanvas canvas(svg);
    canvas.setColours(picture.background, picture.foreground);
    canvas.setVectorOutput(true);
    // The background first, also for a list that does not begin with a clear.
    canvas.clear();
    picture.drawing.replayOnto(canvas);
    canvas.finish();
    return true;
}

} // namespace mirendo
