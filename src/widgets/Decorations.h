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

// The explanation is drawn once at build time at the size of the main window's Picture2 and
// compiled in as raw RGB32 pixels (rows of width * 4 bytes), uncompressed, used as they lie in
// memory: the main window neither draws nor decodes it.
inline constexpr int kSettingsExplanationWidth = 313;  // 4695 twips
inline constexpr int kSettingsExplanationHeight = 297; // 4455 twips
inline constexpr char kSettingsExplanationResource[] = ":/decorations/settings-explanation.rgb32";

// The compiled-in explanation of that size; null when there is none.
QPixmap CompiledInSettingsExplanationPicture(QSize size);

// The compiled-in explanation, else drawn now.
QPixmap LoadSettingsExplanationPicture(QSize size);

// Small decoration: a curve through a few points on a little grid.
QPixmap SmallGraphPicture(QSize size);

// Exit sign for the picture buttons that lead back to the start window.
QIcon ExitSignIcon(QSize size);

} // namespace mirendo
