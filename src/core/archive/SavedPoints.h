#pragma once
// A saved curve's points back in the units the user typed them in, so that they can be handed to
// the main window as a point file would be and calculated again. No Qt.
#include "core/archive/ArchiveFile.h"

#include <string>

namespace mirendo {

// The points of `plot` as a point file holds them: one "x,y" a line, CR LF ended, each value in
// the general number form. The file keeps a logarithmic axis's values as natural logarithms;
// they are turned back into the axis's own values.
std::string SavedPointText(const SavedPlot& plot);

} // namespace mirendo
