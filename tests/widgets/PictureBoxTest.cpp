#include "widgets/PictureBox.h"

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

namespace mirendo {
namespace {

const QColor kWhite(255, 255, 255);

QColor at(const PictureBox& box, int x, int y) {
    return box.image().pixelColor(x, y);
}

int countColour(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                ++n;
    return n;
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

TEST(PictureBox, StartsWhiteWithHiddenCursorLines) {
    PictureBox box(QSize(100, 80));
    EXPECT_EQ(box.size(), QSize(100, 80));
    EXPECT_EQ(box.image().size(), QSize(100, 80));
    EXPECT_EQ(countColour(box.image(), kWhite), 100 * 80);
    ASSERT_NE(box.findChild<QFrame*>("Line1"), nullptr);
    ASSERT_NE(box.findChild<QFrame*>("Line2"), nullptr);
    EXPECT_FALSE(box.cursorLinesVisible());
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

TEST(PictureBox, GridLineLandsOnExpectedPixels) {
    for (const LineCase& c : kLineCases) {
        SCOPED_TRACE(c.name);
        PictureBox box(QSize(100, 100));
        box.setScale(c.left, c.top, c.width, c.height);
        box.setLineWidth(1);
        box.line(c.x1, c.y1, c.x2, c.y2, kGridGrey);
        const QColor grey(128, 128, 128);
        const QRect extent = extentOf(box.image(), grey);
        ASSERT_FALSE(extent.isNull());
        if (c.vertical) {
            EXPECT_EQ(extent.left(), c.expectedPixel);
            EXPECT_EQ(extent.width(), 1);
            EXPECT_EQ(at(box, c.expectedPixel + 2, extent.center().y()), kWhite);
        } else {
            EXPECT_EQ(extent.top(), c.expectedPixel);
            EXPECT_EQ(extent.height(), 1);
            EXPECT_GE(extent.width(), 99);
        }
    }
}

TEST(PictureBox, DotDiameterFollowsLineWidth) {
    const struct {
        int width;
        int minAcross, maxAcross;
    } cases[] = {{1, 1, 1}, {2, 2, 3}, {10, 9, 11}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        PictureBox box(QSize(100, 100));
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
            EXPECT_LT(countColour(box.image(), QColor(255, 0, 0)), extent.width() * extent.height());
        }
    }
}

TEST(PictureBox, LineToContinuesFromDotAndFrameUsesForeground) {
    PictureBox box(QSize(100, 100));
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
    const QColor fg = box.palette().color(QPalette::Text);
    const QRect frame = extentOf(box.image(), fg);
    EXPECT_NEAR(frame.left(), 9, 1);
    EXPECT_NEAR(frame.right(), 90, 1);
    EXPECT_EQ(at(box, 50, 50), kWhite) << "outline only";
}

TEST(PictureBox, CursorLinesStayOutOfTheImage) {
    PictureBox box(QSize(100, 100));
    box.setScale(0, 10, 10, -10);
    box.line(0, 5, 10, 5, kGridGrey);
    const QImage before = box.image().copy();
    box.showCursorLines(3, 7);
    EXPECT_TRUE(box.cursorLinesVisible());
    EXPECT_EQ(box.image(), before);
    auto* line1 = box.findChild<QFrame*>("Line1");
    auto* line2 = box.findChild<QFrame*>("Line2");
    EXPECT_EQ(line1->geometry(), QRect(30, 0, 1, 100));
    EXPECT_EQ(line2->geometry(), QRect(0, 30, 100, 1));
    // The grab shows them, the image never does.
    const QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.pixelColor(30, 80), QColor(255, 0, 0));
    EXPECT_EQ(box.image().pixelColor(30, 80), kWhite);
    box.hideCursorLines();
    EXPECT_FALSE(box.cursorLinesVisible());
    EXPECT_EQ(box.image(), before);
}

TEST(PictureBox, DrawingSurvivesResizeAndRepaint) {
    QWidget window;
    auto* box = new PictureBox(QSize(60, 40), &window);
    box->setScale(0, 40, 60, -40);
    box->line(0, 20, 60, 20, kGridGrey);
    window.resize(300, 200);
    window.show();
    box->move(10, 10);
    box->repaint();
    const QImage shown = box->grab().toImage();
    EXPECT_EQ(shown.size(), QSize(60, 40));
    EXPECT_EQ(shown.pixelColor(30, 20), QColor(128, 128, 128));
    EXPECT_EQ(box->image().pixelColor(30, 20), QColor(128, 128, 128));
}

TEST(PictureBox, AbsurdCoordinatesNeitherHangNorCrash) {
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
        PictureBox box(QSize(100, 100));
        box.setScale(0, 100, 100, -100);
        const auto start = std::chrono::steady_clock::now();
        box.line(c.x1, c.y1, c.x2, c.y2, kGridGrey);
        const int grey = countColour(box.image(), QColor(128, 128, 128));
        box.setLineWidth(10);
        box.dot(c.x2, c.y2, kPointRed);
        box.lineTo(c.x1, c.y1, kCurveBlue);
        box.frameRect(c.x1, c.y1, c.x2, c.y2);
        box.showCursorLines(c.x2, c.y2);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
        if (c.visible)
            EXPECT_GT(grey, 40);
        else
            EXPECT_EQ(grey, 0);
    }
    // A zero scale maps everything to non-finite pixels: nothing drawn, nothing broken.
    PictureBox box(QSize(50, 50));
    box.setScale(0, 0, 0, 0);
    box.line(0, 0, 1, 1, kGridGrey);
    box.frameRect(0, 0, 1, 1);
    box.showCursorLines(1, 1);
    EXPECT_EQ(countColour(box.image(), kWhite), 50 * 50);
    EXPECT_FALSE(box.cursorLinesVisible());
}

TEST(PictureBox, MouseReportsUserCoordinatesAndClicks) {
    PictureBox box(QSize(200, 100));
    box.setScale(-0.8f, 10.2f, 11, -11);
    QSignalSpy moved(&box, &PictureBox::mouseMovedTo);
    QSignalSpy clicked(&box, &PictureBox::clicked);
    QMouseEvent move(QEvent::MouseMove, QPointF(100, 50), QPointF(100, 50), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&box, &move);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_NEAR(moved.at(0).at(0).toFloat(), -0.8 + 5.5, 1e-5);
    EXPECT_NEAR(moved.at(0).at(1).toFloat(), 10.2 - 5.5, 1e-5);
    const QPointF back = box.toPixel(moved.at(0).at(0).toFloat(), moved.at(0).at(1).toFloat());
    EXPECT_NEAR(back.x(), 100, 1e-3);
    EXPECT_NEAR(back.y(), 50, 1e-3);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &press);
    EXPECT_EQ(clicked.count(), 1);
}

} // namespace
} // namespace mirendo
