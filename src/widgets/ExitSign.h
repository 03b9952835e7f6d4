#pragma once
// The picture signs of the windows: the exit sign of the back buttons of the main window and the
// browser, and the browser's blue "evaluate" arrow.
#include <QColor>
#include <QPixmap>
#include <QSize>

#include <functional>

class QPainter;

namespace mirendo {

// A pixmap of `size` filled with `background`, then drawn by `draw` with antialiasing: how every
// fixed picture of the windows is made.
QPixmap PaintedPixmap(QSize size, const QColor& background, const std::function<void(QPainter&)>& draw);

// A green plate with a door and an arrow leaving through it, drawn at `size`.
QPixmap ExitSignPixmap(QSize size);

// A blue arrow pointing right, drawn at `size`.
QPixmap RightArrowPixmap(QSize size);

} // namespace mirendo
