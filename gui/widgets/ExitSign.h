#pragma once
// The picture signs of the windows: the exit sign of the back buttons of the main window and the
// browser, and the browser's blue "evaluate" arrow.
#include <QPixmap>
#include <QSize>

namespace mirendo {

// A green plate with a door and an arrow leaving through it, drawn at `size`.
QPixmap ExitSignPixmap(QSize size);

// A blue arrow pointing right, drawn at `size`.
QPixmap RightArrowPixmap(QSize size);

} // namespace mirendo
