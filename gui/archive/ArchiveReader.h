#pragma once
// Reading the interpolated-data file back for the browser, and loading what was read into the
// shared state. No Qt.
#include "archive/ArchiveFile.h"

#include <string>
#include <string_view>

namespace mirendo {

enum class ArchiveError {
    None,
    CannotOpen,
    TooLarge,
    EndedEarly,
    NotANumber,
    ValueOutOfRange,   // a point or sample beyond single precision
    BadScaleMode,      // not 1..4
    BadPointCount,     // negative or above 10
    BadSampleCount,    // negative or above 600
    SettingOutOfRange, // a setting beyond what the graph can draw (single precision)
    EmptyRange,        // an axis whose start is not below its stop
    NonPositiveLogStart,
    MalformedDecade, // a logarithmic limit text not of the form 1.0E+02 / 1.0E-02 / 1.0E00
};

struct ArchiveRead {
    ArchiveError error = ArchiveError::None;
    std::string detail; // one line for the message box, in the user's language
    // 0..5 when a setting text is at fault (for an empty range, the axis's start), else -1.
    int setting = -1;
    SavedPlot plot; // meaningful only when ok()
    bool ok() const { return error == ArchiveError::None; }
};

// Reads fields separated by commas or line ends, blanks around each field ignored, in the order
// of the layout above. Anything after the last sample is ignored. Refuses (never half-loads) a
// file that ends early, has a non-number where a number belongs, counts out of range, a scale
// mode other than 1..4, an empty axis range, or logarithmic limits that cannot be drawn.
ArchiveRead ParseArchive(std::string_view bytes);
// Reads only a regular file of at most kMaxArchiveBytes (a larger one is refused unread) and
// never waits on a FIFO.
ArchiveRead ReadArchiveFile(const std::string& path);

// Loads a saved plot into the shared state as the browser does: every field of `plot`, the first
// point's plot coordinates as CurveX(0)/CurveY(0), the curve extremes, and `path` in FilePath.
// GraphDrawn and the point data typed in the main window (XData, YData, ...) are left alone.
void LoadSavedPlot(const SavedPlot& plot, const std::string& path, Module1& state);

} // namespace mirendo
