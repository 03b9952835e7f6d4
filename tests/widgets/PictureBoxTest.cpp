// The graph widget: its model shown, the crosshair above it, the mouse in user coordinates.
#include "widgets/PictureBox.h"
#include "support/GraphArea.h"
#include "support/Pixels.h"

#include <QFrame>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace mirendo {
namespace {

using testing::CountColour;
using testing::CursorLinesVisible;
using testing::kWhite;

TEST(PictureBox, StartsWhiteWithHiddenCursorLines) {
    PictureBox box(QSize(100, 80));
    GraphModel graph(box.pixelSize());
    box.setGraph(&graph);
    EXPECT_EQ(std::tuple(box.size(), box.graph().image().size(), CountColour(box.graph().image(), kWhite)),
              std::tuple(QSize(100, 80), QSize(100, 80), 100 * 80));
    ASSERT_NE(box.findChild<QFrame*>("Line1"), nullptr);
    ASSERT_NE(box.findChild<QFrame*>("Line2"), nullptr);
    EXPECT_FALSE(CursorLinesVisible(&box));
}

TEST(PictureBox, ShowsTheGraphHandedInWhileItLasts) {
    PictureBox box(QSize(40, 30));
    auto graph = std::make_unique<GraphModel>(box.pixelSize());
    graph->setColours(Qt::yellow, Qt::black);
    graph->clear(); // drawn before the view has it
    box.setGraph(graph.get());
    EXPECT_EQ(box.grab().toImage().pixelColor(20, 15), QColor(Qt::yellow));
    graph.reset();
    EXPECT_FALSE(box.hasGraph());
    EXPECT_EQ(box.grab().toImage().pixelColor(20, 15), kWhite);
    box.showCursorLines(1, 1); // nothing to place them by
    EXPECT_FALSE(CursorLinesVisible(&box));
}

TEST(PictureBox, CursorLinesStayOutOfTheImage) {
    PictureBox box(QSize(100, 100));
    GraphModel graph(box.pixelSize());
    box.setGraph(&graph);
    box.graph().setScale(0, 10, 10, -10);
    box.graph().line(0, 5, 10, 5, kGridGrey);
    const QImage before = box.graph().image().copy();
    box.showCursorLines(3, 7);
    EXPECT_EQ(std::tuple(CursorLinesVisible(&box), box.graph().image()), std::tuple(true, before));
    auto* line1 = box.findChild<QFrame*>("Line1");
    auto* line2 = box.findChild<QFrame*>("Line2");
    EXPECT_EQ(line1->geometry(), QRect(30, 0, 1, 100));
    EXPECT_EQ(line2->geometry(), QRect(0, 30, 100, 1));
    // The grab shows them, the image never does.
    const QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.pixelColor(30, 80), QColor(255, 0, 0));
    EXPECT_EQ(box.graph().image().pixelColor(30, 80), kWhite);
    box.hideCursorLines();
    EXPECT_EQ(std::tuple(CursorLinesVisible(&box), box.graph().image()), std::tuple(false, before));
}

TEST(PictureBox, DrawingSurvivesResizeAndRepaint) {
    QWidget window;
    auto* box = new PictureBox(QSize(60, 40), &window);
    GraphModel graph(box->pixelSize());
    box->setGraph(&graph);
    box->graph().setScale(0, 40, 60, -40);
    box->graph().line(0, 20, 60, 20, kGridGrey);
    window.resize(300, 200);
    window.show();
    box->move(10, 10);
    box->repaint();
    const QImage shown = box->grab().toImage();
    EXPECT_EQ(std::tuple(shown.size(), shown.pixelColor(30, 20), box->graph().image().pixelColor(30, 20)),
              std::tuple(QSize(60, 40), QColor(128, 128, 128), QColor(128, 128, 128)));
}

TEST(PictureBox, AbsurdCursorPositionsHideTheCrosshair) {
    PictureBox box(QSize(100, 100));
    GraphModel graph(box.pixelSize());
    box.setGraph(&graph);
    box.graph().setScale(0, 100, 100, -100);
    box.showCursorLines(1e30f, 1e30f); // far off: kept just outside the surface
    EXPECT_TRUE(CursorLinesVisible(&box));
    EXPECT_EQ(box.findChild<QFrame*>("Line1")->x(), 101);
    // A zero scale maps everything to non-finite pixels: nothing drawn, nothing broken.
    box.graph().setScale(0, 0, 0, 0);
    box.graph().line(0, 0, 1, 1, kGridGrey);
    box.showCursorLines(1, 1);
    EXPECT_EQ(CountColour(box.graph().image(), kWhite), 100 * 100);
    EXPECT_FALSE(CursorLinesVisible(&box));
}

TEST(PictureBox, MouseReportsUserCoordinates) {
    PictureBox box(QSize(200, 100));
    GraphModel graph(box.pixelSize());
    box.setGraph(&graph);
    box.graph().setScale(-0.8f, 10.2f, 11, -11);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QSignalSpy moved(&box, &PictureBox::mouseMovedTo);
    testing::MoveMouse(&box, QPoint(100, 50));
    ASSERT_EQ(moved.count(), 1);
    EXPECT_NEAR(moved.at(0).at(0).toFloat(), -0.8 + 5.5, 1e-5);
    EXPECT_NEAR(moved.at(0).at(1).toFloat(), 10.2 - 5.5, 1e-5);
    const QPointF back = box.graph().toPixel(moved.at(0).at(0).toFloat(), moved.at(0).at(1).toFloat());
    EXPECT_NEAR(back.x(), 100, 1e-3);
    EXPECT_NEAR(back.y(), 50, 1e-3);
}

} // namespace
} // namespace mirendo
