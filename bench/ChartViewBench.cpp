// The chart window's picture: opening a 6000 x 4000 PNG chart (read and handed to the view, which
// makes its pixels 32-bit), and a repaint of the view while the picture is panned or zoomed, on a
// view of 1000 x 700 pixels showing an 8000 x 8000 picture. Reported, not asserted: an opening
// should stay under 300 ms, a repaint under 16 ms (one frame at 60 Hz). Offscreen unless a
// platform is set.
#include "qt/chart/ChartPicture.h"
#include "widgets/ChartPictureView.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// A chart as a scan gives it: a white page, a grey grid every 100 pixels and a 3-pixel curve.
QImage DrawChart(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(QColor(190, 190, 190), 1));
    for (int x = 0; x < width; x += 100)
        painter.drawLine(x, 0, x, height);
    for (int y = 0; y < height; y += 100)
        painter.drawLine(0, y, width, y);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 20, 20), 3));
    QPolygonF curve;
    for (int x = 0; x <= width; x += 4)
        curve << QPointF(x, height / 2.0 + height / 3.0 * std::sin(x / 600.0));
    painter.drawPolyline(curve);
    return image;
}

void BM_OpenPng6000x4000(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("chart.png"));
    DrawChart(6000, 4000).save(path);
    mirendo::ChartPictureView view;
    view.resize(1000, 700);
    for (auto _ : state) {
        const mirendo::ChartPictureRead read = mirendo::ReadChartPicture(path);
        view.setImage(read.image);
        benchmark::DoNotOptimize(view.image().constBits());
    }
}
BENCHMARK(BM_OpenPng6000x4000)->Unit(benchmark::kMillisecond);

// One repaint of the view per iteration, after a pan of 37 pixels (Arg 0) or a zoom step about
// the view's middle (Arg 1), at the zoom given in tenths by Arg 2 (the zoom bounces within it).
void BM_RepaintWhileMoving(benchmark::State& state) {
    static const QImage picture = DrawChart(8000, 8000);
    mirendo::ChartPictureView view;
    view.resize(1000, 700);
    view.setImage(picture);
    const double zoom = state.range(1) / 10.0;
    view.setZoom(zoom, QPointF(500, 350));
    // The paint event drawn into a frame of the viewport's size, as the screen would get it.
    QImage frame(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    view.viewport()->render(&frame); // the pyramid's levels for this zoom made before the clock runs
    int step = 0;
    for (auto _ : state) {
        if (state.range(0) == 0) {
            QScrollBar* bar = view.horizontalScrollBar();
            bar->setValue(bar->value() + 37 > bar->maximum() ? 0 : bar->value() + 37);
        } else {
            view.setZoom(zoom * (step++ % 2 ? 1.0 : 1.25), QPointF(500, 350));
        }
        view.viewport()->render(&frame);
    }
}
BENCHMARK(BM_RepaintWhileMoving)
    ->ArgsProduct({{0, 1}, {1, 4, 10, 40}})
    ->ArgNames({"zoom_step", "zoom_tenths"})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
