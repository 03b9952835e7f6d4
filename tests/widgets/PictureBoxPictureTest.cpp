// The graph area's picture: its image and the display list that draws it again.
#include "widgets/PictureBox.h"

#include <gtest/gtest.h>

namespace mirendo {
namespace {

TEST(PictureBoxPicture, DisplayListHoldsWhatIsShownSinceTheLastClear) {
    PictureBox box(QSize(120, 90));
    box.setScale(0, 10, 10, -10);
    box.setLineWidth(2);
    box.frameRect(1, 1, 9, 9);
    box.clear();
    // Scale and width set before the clear still place what follows.
    box.dot(5, 5, kPointRed);
    box.lineTo(8, 2, kCurveBlue);
    const GraphPicture picture = box.picture();
    EXPECT_TRUE(picture.drawing.callsOf(RecordingCanvas::Kind::Frame).empty());
    EXPECT_EQ(picture.background, box.canvas().background());

    ImageCanvas again(box.image().size());
    again.setColours(picture.background, picture.foreground);
    picture.drawing.replayOnto(again);
    again.finish();
    EXPECT_EQ(again.image(), box.image());

    // The picture is a copy: later drawing changes neither its image nor its list.
    box.dot(1, 1, kPointRed);
    EXPECT_NE(picture.image, box.image());
    EXPECT_EQ(picture.drawing.calls().size() + 1, box.picture().drawing.calls().size());
}

} // namespace
} // namespace mirendo
