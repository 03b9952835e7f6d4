// Build tool: draws the main window's explanation of the graph settings once, at build time, into
// a raw RGB32 pixel file that the windows library compiles in uncompressed.
// Usage: render_settings_explanation <output file>
#include "widgets/Decorations.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QSize size(mirendo::kSettingsExplanationWidth, mirendo::kSettingsExplanationHeight);
    const QImage image =
        mirendo::SettingsExplanationPicture(size).toImage().convertToFormat(QImage::Format_RGB32);
    QFile file(QString::fromLocal8Bit(argv[1]));
    const qsizetype bytes = image.sizeInBytes();
    if (image.bytesPerLine() != image.width() * 4 || !file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(image.constBits()), bytes) != bytes) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
