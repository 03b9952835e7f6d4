#pragma once
// A graph as its area shows it: the image (what a bitmap file holds) and the drawing calls that
// made it since the area was last cleared (what a vector file is drawn from), with the colours
// the area clears and frames in.
#include "core/plot/RecordingCanvas.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <array>

namespace mirendo {

// The face of every Japanese text the program draws, in windows and pictures alike: named, since a
// system's default face may draw kanji shared with Chinese in their Chinese forms.
inline constexpr const char* kJapaneseFace = "Noto Sans CJK JP";

struct GraphPicture {
    QImage image;
    RecordingCanvas drawing = RecordingCanvas();
    QColor background = Qt::white;
    QColor foreground = Qt::black;
    // What the window shows around the graph, for a picture read without the program: X start,
    // X stop, Y start, Y stop as the limit labels show them, and the trust line (empty: none).
    std::array<QString, 4> limitTexts{};
    QString trustText{};
    bool trustRed = false;
};

} // namespace mirendo
