// The painter canvas without a window: the user-to-pixel mapping, clipping of far-away
// segments, the dots, and the same drawing on another paint device.
#include "qt/canvas/ImageCanvas.h"
#include "support/Pixels.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPicture>

#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <tuple>

namespace mirendo {
namespace {

using testing::CountColour;
using testing::kWhite;

QColor at(const ImageCanvas& box, int x, int y) {
    return box.image().pixelColor(x, y);
}

// Bounding box of all pixels of one colour.
QRect extentOf(const QImage& image, const QColor& colour) {
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                r = r.united(QRect(x, y, 1, 1));
    return r;
}

TEST(ClipSegment, CutsAtTheRectangleAndDropsWhatLiesOutside) {
    const struct {
        const char* name;
        QPointF a, b;
        bool kept;
        QPointF a2, b2; // after clipping, when kept
    } cases[] = {
        {"inside stays", {1, 1}, {9, 9}, true, {1, 1}, {9, 9}},
        {"right end cut", {5, 5}, {1e30, 5}, true, {5, 5}, {10, 5}},
        {"both ends cut", {-1e30, 2}, {1e30, 2}, true, {0, 2}, {10, 2}},
        {"diagonal through a corner", {-10, -10}, {20, 20}, true, {0, 0}, {10, 10}},
        {"beside the rectangle", {11, 0}, {20, 10}, false, {}, {}},
        {"far away", {1e20, 1e20}, {2e20, 2e20}, false, {}, {}},
    };
    for (const auto& c : cases) {
        QPointF a = c.a, b = c.b;
        ASSERT_EQ(ClipSegment(a, b, 0, 0, 10, 10), c.kept) << c.name;
        if (!c.kept)
            continue;
        EXPECT_NEAR(a.x(), c.a2.x(), 1e-9) << c.name;
        EXPECT_NEAR(a.y(), c.a2.y(), 1e-9) << c.name;
        EXPECT_NEAR(b.x(), c.b2.x(), 1e-9) << c.name;
        EXPECT_NEAR(b.y(), c.b2.y(), 1e-9) << c.name;
    }
}

TEST(PainterCanvas, MapsOntoTheLogicalSizeOfAnyDevice) {
    // A recording device of its own size: the mapping follows the device, not an image.
    QPicture picture;
    picture.setBoundingRect(QRect(0, 0, 200, 50));
    PainterCanvas canvas(picture);
    EXPECT_EQ(std::tuple(canvas.pixelWidth(), canvas.pixelHeight()), std::tuple(200, 50));
    canvas.setScale(-0.8f, 10.2f, 11, -11);
    const QPointF p = canvas.toPixel(4.7f, 4.7f);
    EXPECT_NEAR(p.x(), 100, 1e-3);
    EXPECT_NEAR(p.y(), 25, 1e-3);
    const QPointF back = canvas.toUser(p);
    EXPECT_NEAR(back.x(), 4.7, 1e-5);
    EXPECT_NEAR(back.y(), 4.7, 1e-5);
    canvas.line(0, 0, 10, 10, kGridGrey);
    canvas.finish();
    EXPECT_GT(picture.size(), 0u) << "the line was recorded";
}

struct LineCase {
    const char* name;
    float left, top, width, height; // user scale
    float x1, y1, x2, y2;           // a grid line in user coordinates
    bool vertical;
    int expectedPixel; // column (vertical) or row (horizontal)
};

// 100 x 100 pixels; the line must land on the pixel the classic mapping gives.
const LineCase kLineCases[] = {
    {"y up, horizontal at mid height", 0, 10, 10, -10, 0, 5, 10, 5, false, 50},
    {"y up, horizontal near bottom", 0, 10, 10, -10, 0, 2, 10, 2, false, 80},
    {"y down, horizontal", 0, 0, 10, 10, 0, 2, 10, 2, false, 20},
    {"vertical with offset origin", -0.8f, 10.2f, 11, -11, 2.5f, 0, 2.5f, 10, true, 30},
    {"vertical in log units", -0.92103404f, 6.97683286f, 12.6642561f, -7.59927273f, 2.30258512f, 0,
     2.30258512f, 6.9077553f, true, 25},
};

TEST(ImageCanvas, GridLineLandsOnExpectedPixels) {
    for (const LineCase& c : kLineCases) {
        SCOPED_TRACE(c.name);
        ImageCanvas box(QSize(100, 100));
        box.setScale(c.left, c.top, c.width, c.height);
        box.setLineWidth(1);
        box.line(c.x1, c.y1, c.x2, c.y2, kGridGrey);
        const QColor grey(128, 128, 128);
        const QRect extent = extentOf(box.image(), grey);
        ASSERT_FALSE(extent.isNull());
        if (c.vertical) {
            EXPECT_EQ(std::tuple(extent.left(), extent.width()), std::tuple(c.expectedPixel, 1));
            EXPECT_EQ(at(box, c.expectedPixel + 2, extent.center().y()), kWhite);
        } else {
            EXPECT_EQ(std::tuple(extent.top(), extent.height()), std::tuple(c.expectedPixel, 1));
            EXPECT_GE(extent.width(), 99);
        }
    }
}

TEST(ImageCanvas, DotDiameterFollowsLineWidth) {
    const struct {
        int width;
        int minAcross, maxAcross;
    } cases[] = {{1, 1, 1}, {2, 2, 3}, {10, 9, 11}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        ImageCanvas box(QSize(100, 100));
        box.setScale(0, 100, 100, -100);
        box.setLineWidth(c.width);
        box.dot(50, 50, kPointRed);
        const QRect extent = extentOf(box.image(), QColor(255, 0, 0));
        EXPECT_GE(extent.width(), c.minAcross);
        EXPECT_LE(extent.width(), c.maxAcross);
        EXPECT_GE(extent.height(), c.minAcross);
        EXPECT_LE(extent.height(), c.maxAcross);
        EXPECT_NEAR(extent.center().x(), 50, 1);
        EXPECT_NEAR(extent.center().y(), 50, 1);
        if (c.width == 10) {
            // Round, not square: the corners of the bounding box stay white.
            EXPECT_EQ(at(box, extent.left(), extent.top()), kWhite);
            EXPECT_LT(CountColour(box.image(), QColor(255, 0, 0)), extent.width() * extent.height());
        }
    }
}

TEST(ImageCanvas, LineToContinuesFromDotAndFrameUsesForeground) {
    ImageCanvas box(QSize(100, 100));
    box.setScale(0, 100, 100, -100);
    box.setLineWidth(1);
    box.dot(10, 50, kCurveBlue);
    box.lineTo(90, 50, kCurveBlue);
    const QRect blue = extentOf(box.image(), QColor(0, 0, 255));
    EXPECT_LE(blue.left(), 10);
    EXPECT_GE(blue.right(), 89);
    EXPECT_EQ(blue.height(), 1);

    box.clear();
    box.setLineWidth(2);
    box.frameRect(10, 10, 90, 90);
    const QColor fg(0, 0, 0); // the default foreground
    const QRect frame = extentOf(box.image(), fg);
    EXPECT_NEAR(frame.left(), 9, 1);
    EXPECT_NEAR(frame.right(), 90, 1);
    EXPECT_EQ(at(box, 50, 50), kWhite) << "outline only";
}

TEST(ImageCanvas, AbsurdCoordinatesNeitherHangNorCrash) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char* name;
        float x1, y1, x2, y2;
        bool visible; // does a part of it cross the surface?
    } cases[] = {
        {"far to the right", 0, 50, 1e30f, 50, true},
        {"across from far to far", -1e30f, 50, 1e30f, 50, true},
        {"from inside to far beyond a corner", 50, 50, 3e38f, 3e38f, true},
        {"entirely far away", 1e20f, 1e20f, 2e20f, 2e20f, false},
        {"infinite end", 0, 50, inf, 50, false},
        {"not a number", nan, 50, 50, 50, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ImageCanvas box(QSize(100, 100));
        box.setScale(0, 100, 100, -100);
        const auto start = std::chrono::steady_clock::now();
        box.line(c.x1, c.y1, c.x2, c.y2, kGridGrey);
        const int grey = CountColour(box.image(), QColor(128, 128, 128));
        box.setLineWidth(10);
        box.dot(c.x2, c.y2, kPointRed);
        box.lineTo(c.x1, c.y1, kCurveBlue);
        box.frameRect(c.x1, c.y1, c.x2, c.y2);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
        if (c.visible)
            EXPECT_GT(grey, 40);
        else
            EXPECT_EQ(grey, 0);
    }
    // A zero scale maps everything to non-finite pixels: nothing drawn, nothing broken.
    ImageCanvas box(QSize(50, 50));
    box.setScale(0, 0, 0, 0);
    box.line(0, 0, 1, 1, kGridGrey);
    box.frameRect(0, 0, 1, 1);
    box.dot(1, 1, kPointRed);
    EXPECT_EQ(CountColour(box.image(), kWhite), 50 * 50);
}

// Made on first need, the image is whatever the calls make of an image made at once, and all of one
// colour while the canvas says so.
TEST(ImageCanvas, MadeOnFirstNeedItDrawsWhatAnImageMadeAtOnceDraws) {
    std::mt19937 random(20261208);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const float hostile[] = {std::numeric_limits<float>::quiet_NaN(), 1e30f, -1e30f, 0.f, 40.f};
    const auto at = [&] { return pick(8) ? float(pick(5000)) / 100 - 5 : hostile[pick(5)]; };
    const auto colour = [&] { return QColor::fromRgb(random()); };
    for (int round = 0; round < 300; ++round) {
        const QSize size(1 + pick(40), 1 + pick(30));
        ImageCanvas lazy(size);
        QImage made(size, QImage::Format_RGB32);
        PainterCanvas eager(made);
        eager.clear();
        for (int step = pick(12); step > 0; --step) {
            const float a = at(), b = at(), c = at(), d = at(), height = -40.f + float(pick(3)) * 20;
            const QColor ink = colour(), back = colour();
            const Rgb rgb{uint8_t(ink.red()), uint8_t(ink.green()), uint8_t(ink.blue())};
            const std::function<void(PainterCanvas&)> calls[] = {
                [&](PainterCanvas& x) { x.setColours(back, ink); },
                [&](PainterCanvas& x) { x.clear(); },
                [&](PainterCanvas& x) { x.setScale(0, 40, 40, height); },
                [&, width = 1 + pick(4)](PainterCanvas& x) { x.setLineWidth(width); },
                [&](PainterCanvas& x) { x.line(a, b, c, d, rgb); },
                [&](PainterCanvas& x) { x.lineTo(a, b, rgb); },
                [&](PainterCanvas& x) { x.dot(a, b, rgb); },
                [&](PainterCanvas& x) { x.frameRect(a, b, c, d); },
                [&](PainterCanvas&) { lazy.image(); }, // asked for midway: made now, drawn on from then
            };
            const int call = pick(9);
            calls[call](lazy);
            calls[call](eager);
        }
        lazy.finish();
        eager.finish();
        ASSERT_EQ(lazy.image(), made) << "round " << round;
        const std::optional<QColor> blank = lazy.blankColour();
        EXPECT_TRUE(!blank || CountColour(made, *blank) == size.width() * size.height()) << round;
    }
}
} // namespace
} // namespace mirendo
