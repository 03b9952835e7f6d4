#pragma once
// The exit sign shown on the back buttons of the main window and the browser, one picture for both.
#include <QPixmap>
#include <QSize>

namespace mirendo {

// A green plate with a door and an arrow leaving through it, drawn at `size`.
QPixmap ExitSignPixmap(QSize size);

} // namespace mirendo
