#pragma once
// Reading the interpolated-data file back for the browser, and loading what was read into the
// shared state. No Qt.
#include "core/archive/ArchiveFile.h"
#include "core/exchange/Failure.h"

#include <string>
#include <string_view>

namespace mirendo {

// What the browser and mirendo-eval get: the saved plot, or the failure (its line, the value it
// concerns as `subject`, a setting box as `field` 1..6 with Subject::Setting). The messages file
// words it.
using ArchiveRead = exchange::Outcome<SavedPlot>;

// How the limits of a logarithmic axis may be written. A file that a spreadsheet opened and saved
// again carries a decade "1.0E+02" as the plain number "100" (or "0.01" for "1.0E-02"); such a
// limit reads as its decade and gets the decade form back. A file about to be written must carry
// the decade form itself, since the main window draws from that text.
enum class DecadeForms { WrittenOrPlainNumber, WrittenOnly };

// Reads fields separated by commas or line ends, blanks around each field ignored, in the order
// of the layout above; empty fields at the end of a line (a spreadsheet's padding) are no fields.
// Anything after the last sample is ignored. Refuses (never half-loads) a file that ends early,
// has a non-number where a number belongs, counts out of range, a scale mode other than 1..4, an
// empty axis range, or logarithmic limits that cannot be drawn.
ArchiveRead ParseArchive(std::string_view bytes, DecadeForms decades = DecadeForms::WrittenOrPlainNumber);
// Reads only a regular file of at most kMaxArchiveBytes (a larger one is refused unread) and
// never waits on a FIFO.
ArchiveRead ReadArchiveFile(const std::string& path);

// Loads a saved plot into the shared state as the browser does: every field of `plot`, the first
// point's plot coordinates as CurveX(0)/CurveY(0), the curve extremes, and `path` in FilePath.
// GraphDrawn and the point data typed in the main window (XData, YData, ...) are left alone.
void LoadSavedPlot(const SavedPlot& plot, const std::string& path, Module1& state);

} // namespace mirendo
