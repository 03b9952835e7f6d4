#pragma once
// A graph as its area shows it: the image (what a bitmap file holds) and the drawing calls that
// made it since the area was last cleared (what a vector file is drawn from), with the colours
// the area clears and frames in.
#include "plot/RecordingCanvas.h"

#include <QColor>
#include <QImage>

namespace mirendo {

struct GraphPicture {
    QImage image;
    RecordingCanvas drawing = RecordingCanvas();
    QColor background = Qt::white;
    QColor foreground = Qt::black;
};

} // namespace mirendo
