// Build tool: draws the start window's four example graphs once, at build time: raw RGB32 pixel
// files for 1x, compiled in uncompressed so the start window uses them as they lie in memory, and
// PNG files at twice the pixels for scaled screens.
// Usage: render_example_graphs <output folder> <width> <height>
#include "qt/examples/ExampleGraphs.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <output folder> <width> <height>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const QSize size(QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toInt());
    for (int mode = 1; mode <= 4; ++mode) {
        const QString path = out.filePath(mirendo::ExampleGraphResourceName(mode));
        const QImage image = mirendo::ExampleGraphPicture(mode, size).convertToFormat(QImage::Format_RGB32);
        QFile file(path);
        const qsizetype bytes = image.sizeInBytes();
        if (image.bytesPerLine() != image.width() * 4 || !file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(image.constBits()), bytes) != bytes) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        const QString sharp = out.filePath(mirendo::ExampleGraphResourceName(mode, 2));
        if (!mirendo::ExampleGraphPicture(mode, size, 2).save(sharp, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(sharp));
            return 1;
        }
    }
    return 0;
}
