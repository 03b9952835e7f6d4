#pragma once
// A graph area as a test sees it: the crosshair shown or not, the drawn image, and the real mouse
// moved over it.
#include "widgets/PictureBox.h"

#include <QCursor>
#include <QFrame>
#include <QTest>

#include <cmath>

namespace mirendo::testing {

inline bool CursorLinesVisible(const PictureBox* picture) {
    const auto* line1 = picture->findChild<QFrame*>(QStringLiteral("Line1"));
    const auto* line2 = picture->findChild<QFrame*>(QStringLiteral("Line2"));
    return !line1->isHidden() || !line2->isHidden();
}

// What the plots drew on a window's Picture1 (what the image save writes).
inline QImage GraphImageOf(const QWidget* window) {
    return window->findChild<PictureBox*>(QStringLiteral("Picture1"))->graph().image();
}

// The mouse moved over the shown graph to pixel `at`, as the user moves it. A mouse already there
// comes from the pixel below: a move to where the cursor stands is no move.
inline void MoveMouse(PictureBox* picture, QPoint at) {
    if (QCursor::pos() == picture->mapToGlobal(at))
        QTest::mouseMove(picture, at + QPoint(0, 1));
    QTest::mouseMove(picture, at);
}

// The mouse moved over the graph to the first whole pixel whose abscissa is at or right of user
// abscissa `x`, halfway down: the readout there shows the sample at or left of x, if no sample
// lies within that fraction of a pixel.
inline void MoveMouseToAbscissa(PictureBox* picture, float x) {
    const GraphModel& graph = picture->graph();
    int column = int(std::ceil(graph.toPixel(x, 0).x()));
    while (column < picture->width() && graph.toUser(QPointF(column, 0)).x() < x)
        ++column;
    MoveMouse(picture, QPoint(column, picture->height() / 2));
}

} // namespace mirendo::testing
