// Tool: draws the example chart of the examples folder and writes it with its side file.
// Usage: render_example_chart <examples folder>
#include "core/chart/ChartFiles.h"
#include "qt/examples/ExampleChart.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <examples folder>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString picture =
        QDir(QString::fromLocal8Bit(argv[1])).filePath(QString::fromLatin1(mirendo::kExampleChartName));
    const std::string side = mirendo::chart::SerializeChart(mirendo::ExampleChartDocument());
    QFile file(QString::fromStdString(mirendo::chart::SideFilePath(picture.toStdString())));
    if (!mirendo::ExampleChartPicture().save(picture, "PNG", 9) || !file.open(QIODevice::WriteOnly) ||
        file.write(side.data(), static_cast<qint64>(side.size())) != static_cast<qint64>(side.size())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(picture));
        return 1;
    }
    return 0;
}
