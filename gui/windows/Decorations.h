#pragma once
// Fixed pictures drawn by code: the explanation of the graph settings, the small decoration
// image and the exit sign of the back buttons.
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace mirendo {

// A square graph frame with a 5 x 5 grid and ticks, "X" under it and "Y" left of it, the start
// and end values at both ends of each axis and a double arrow over one grid interval (increment).
QPixmap SettingsExplanationPicture(QSize size);

// Small decoration: a curve through a few points on a little grid.
QPixmap SmallGraphPicture(QSize size);

// Exit sign for the picture buttons that lead back to the start window.
QIcon ExitSignIcon(QSize size);

} // namespace mirendo
