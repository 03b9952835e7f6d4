#include "qt/chart/ChartPicture.h"

#include "qt/chart/PdfPlugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLibrary>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace mirendo {

namespace {

// The plugin's function, resolved once; null with `error` set when it cannot be loaded.
RenderPdfPageFunction PdfRenderer(QString& error) {
    static RenderPdfPageFunction function = nullptr;
    static QString lastError;
    if (function)
        return function;
    const QString programs = QCoreApplication::applicationDirPath();
    const QStringList folders = {programs,
                                 QDir(programs).filePath(QStringLiteral("../" MIRENDO_PLUGIN_FOLDER))};
    QStringList tried;
    for (const QString& folder : folders) {
        QLibrary library(QDir(folder).filePath(QString::fromLatin1(kPdfPluginName)));
        if (library.load()) {
            function = reinterpret_cast<RenderPdfPageFunction>(library.resolve(kRenderPdfPageSymbol));
            if (function)
                return function;
        }
        tried << library.errorString();
    }
    QLibrary library(QString::fromLatin1(kPdfPluginName)); // the system's library path
    if (library.load())
        function = reinterpret_cast<RenderPdfPageFunction>(library.resolve(kRenderPdfPageSymbol));
    if (!function) {
        tried << library.errorString();
        lastError = tried.join(QLatin1Char('\n'));
    }
    error = lastError;
    return function;
}

ChartPictureRead ReadPdf(const QString& path, int page) {
    ChartPictureRead read;
    if (!QFileInfo(path).isReadable())
        return read;
    const RenderPdfPageFunction render = PdfRenderer(read.detail);
    if (!render) {
        read.status = ChartPictureRead::Status::PdfPluginMissing;
        return read;
    }
    PdfPageRender rendered;
    render(path, page, kVectorLongSide, rendered);
    read.pdfPageCount = rendered.pageCount;
    switch (rendered.status) {
    case PdfPageRender::Status::Rendered:
        read.status = ChartPictureRead::Status::Read;
        read.image = rendered.image;
        break;
    case PdfPageRender::Status::NotOpened:
        read.status = ChartPictureRead::Status::Damaged;
        break;
    case PdfPageRender::Status::NoSuchPage:
        read.status = ChartPictureRead::Status::NoSuchPdfPage;
        break;
    }
    return read;
}

ChartPictureRead ReadSvg(const QString& path) {
    ChartPictureRead read;
    if (!QFileInfo(path).isReadable())
        return read;
    QSvgRenderer renderer(path);
    const QSizeF size = renderer.viewBoxF().size();
    if (!renderer.isValid() || !(size.width() > 0) || !(size.height() > 0)) {
        read.status = ChartPictureRead::Status::Damaged;
        return read;
    }
    const double scale = kVectorLongSide / std::max(size.width(), size.height());
    QImage image(std::max(1, int(std::lround(size.width() * scale))),
                 std::max(1, int(std::lround(size.height() * scale))), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    read.status = ChartPictureRead::Status::Read;
    read.image = image;
    return read;
}

} // namespace

bool IsPdfPath(const QString& path) {
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

bool IsSvgPath(const QString& path) {
    return path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) ||
           path.endsWith(QStringLiteral(".svgz"), Qt::CaseInsensitive);
}

ChartPictureRead ReadChartPicture(const QString& path, int pdfPage) {
    if (IsPdfPath(path))
        return ReadPdf(path, pdfPage);
    if (IsSvgPath(path))
        return ReadSvg(path);
    ChartPictureRead read;
    QImageReader reader(path);
    reader.setAutoTransform(true); // a photographed chart as the camera held it
    if (!reader.canRead())
        return read; // not there, not readable, or no picture format
    const QSize size = reader.size();
    if (size.isValid() && double(size.width()) * size.height() > double(kMaxChartPixels)) {
        read.status = ChartPictureRead::Status::TooLarge;
        return read;
    }
    QImageReader::setAllocationLimit(int(kMaxChartPixels * 4 / (1024 * 1024)) + 1);
    const QImage image = reader.read();
    if (image.isNull()) {
        read.status = ChartPictureRead::Status::Damaged;
        return read;
    }
    read.status = ChartPictureRead::Status::Read;
    read.image = image;
    return read;
}

} // namespace mirendo
