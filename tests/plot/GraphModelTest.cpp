// The graph model: its image and the display list that draws it again.
#include "qt/canvas/GraphModel.h"
#include "support/CanvasCalls.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace mirendo {
namespace {

TEST(GraphModel, DisplayListHoldsWhatIsShownSinceTheLastClear) {
    GraphModel graph(QSize(120, 90));
    graph.setColours(QColor(250, 250, 240), Qt::darkBlue);
    graph.setScale(0, 10, 10, -10);
    graph.setLineWidth(2);
    graph.frameRect(1, 1, 9, 9);
    QSignalSpy changed(&graph, &GraphModel::changed);
    graph.clear();
    // Scale and width set before the clear still place what follows.
    graph.dot(5, 5, kPointRed);
    graph.lineTo(8, 2, kCurveBlue);
    EXPECT_EQ(changed.count(), 3) << "the view repaints after each drawing call";
    const GraphPicture picture = graph.picture();
    EXPECT_TRUE(testing::CallsOf(picture.drawing, RecordingCanvas::Kind::Frame).empty());
    EXPECT_EQ(picture.background, QColor(250, 250, 240));
    EXPECT_EQ(picture.foreground, QColor(Qt::darkBlue));

    ImageCanvas again(graph.image().size());
    again.setColours(picture.background, picture.foreground);
    picture.drawing.replayOnto(again);
    again.finish();
    EXPECT_EQ(again.image(), graph.image());

    // The picture is a copy: later drawing changes neither its image nor its list.
    graph.dot(1, 1, kPointRed);
    EXPECT_NE(picture.image, graph.image());
    EXPECT_EQ(picture.drawing.calls().size() + 1, graph.picture().drawing.calls().size());
}

} // namespace
} // namespace mirendo
