// The chart picture's view: what it paints at a place of the viewport is the picture's pixel that
// the view's own mapping names there, at every zoom (through the half-size levels when zoomed
// out) and scroll position, and a zoom keeps the pixel under its anchor where it was.
#include "widgets/ChartPictureView.h"

#include <QRandomGenerator>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <cmath>

namespace mirendo {
namespace {

TEST(ChartPictureView, PaintsThePixelItsMappingNamesAndZoomsAboutItsAnchor) {
    // Blocks of 64 x 64 pixels of one colour each: every level of the pyramid keeps the colour
    // inside a block, so away from the blocks' edges the colour tells which pixel was painted.
    QImage picture(3000, 2200, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x / 64 * 5 % 256, y / 64 * 7 % 256, (x / 64 + y / 64) % 2 * 200));
    ChartPictureView view;
    view.resize(640, 480);
    view.setImage(picture);
    QRandomGenerator random(3);
    for (int round = 0; round < 300; ++round) {
        const QPointF anchor(random.bounded(640.0), random.bounded(480.0));
        const QPointF held = view.viewportToPixel(anchor);
        view.setZoom(std::pow(2.0, random.bounded(14.0) - 7), anchor);
        // The pixel stays under the anchor unless a scroll bar stopped at an end (or the picture,
        // smaller than the view, is centred).
        const QPointF scroll = held * view.zoom() - anchor;
        const QScrollBar *h = view.horizontalScrollBar(), *v = view.verticalScrollBar();
        const QPointF moved = view.pixelToViewport(held) - anchor;
        if (scroll.x() >= 0 && scroll.x() <= h->maximum() && scroll.y() >= 0 && scroll.y() <= v->maximum()) {
            EXPECT_LE(std::hypot(moved.x(), moved.y()), 1.0) << view.zoom();
        }
        view.horizontalScrollBar()->setValue(random.bounded(view.horizontalScrollBar()->maximum() + 1));
        view.verticalScrollBar()->setValue(random.bounded(view.verticalScrollBar()->maximum() + 1));
        QImage frame(view.viewport()->size(), QImage::Format_RGB32); // the scroll bars took their room
        view.viewport()->render(&frame);
        for (int probe = 0; probe < 20; ++probe) {
            const QPoint at(random.bounded(frame.width()), random.bounded(frame.height()));
            const QPointF pixel = view.viewportToPixel(QPointF(at) + QPointF(0.5, 0.5));
            const double margin = 2 / std::min(view.zoom(), 1.0) + 2; // from a block's edge
            const double inX = std::fmod(pixel.x(), 64), inY = std::fmod(pixel.y(), 64);
            if (!QRectF(picture.rect()).contains(pixel) || inX < margin || inX > 64 - margin ||
                inY < margin || inY > 64 - margin)
                continue;
            EXPECT_EQ(frame.pixel(at), picture.pixel(int(pixel.x()), int(pixel.y())))
                << "zoom " << view.zoom() << " at " << at.x() << "," << at.y();
        }
    }
}

} // namespace
} // namespace mirendo
