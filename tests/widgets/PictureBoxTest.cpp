// The graph widget: its canvas shown, the crosshair above it, the mouse in user coordinates.
#include "widgets/PictureBox.h"
#include "support/Pixels.h"

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace mirendo {
namespace {

using testing::CountColour;
using testing::kWhite;

TEST(PictureBox, StartsWhiteWithHiddenCursorLines) {
    PictureBox box(QSize(100, 80));
    EXPECT_EQ(box.size(), QSize(100, 80));
    EXPECT_EQ(box.image().size(), QSize(100, 80));
    EXPECT_EQ(CountColour(box.image(), kWhite), 100 * 80);
    ASSERT_NE(box.findChild<QFrame*>("Line1"), nullptr);
    ASSERT_NE(box.findChild<QFrame*>("Line2"), nullptr);
    EXPECT_FALSE(box.cursorLinesVisible());
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

TEST(PictureBox, AbsurdCursorPositionsHideTheCrosshair) {
    PictureBox box(QSize(100, 100));
    box.setScale(0, 100, 100, -100);
    box.showCursorLines(1e30f, 1e30f); // far off: kept just outside the surface
    EXPECT_TRUE(box.cursorLinesVisible());
    EXPECT_EQ(box.findChild<QFrame*>("Line1")->x(), 101);
    // A zero scale maps everything to non-finite pixels: nothing drawn, nothing broken.
    box.setScale(0, 0, 0, 0);
    box.line(0, 0, 1, 1, kGridGrey);
    box.showCursorLines(1, 1);
    EXPECT_EQ(CountColour(box.image(), kWhite), 100 * 100);
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
