#pragma once
// The interpolated-data file ("name-Mi.csv"): everything needed to redraw an interpolation and
// evaluate its polynomial later without the engine. Written by the save dialog, read back by the
// browser. No Qt here, so the format is tested without a window.
//
// Layout, every line ended by CR LF:
//   " mode "
//   six setting texts as typed (X start, X stop, X step, Y start, Y stop, Y step)
//   " N "
//   N lines  x_i,  y_i,  c_i      ("0.00000E+00",  "0.00000E+00",  "0.000000E+00")
//   " M "
//   M lines  t_j,  P(t_j)         ("0.000000E+00",  "0.000000E+00")
#include "state/Module1.h"
#include "state/SettingTexts.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace mirendo {

inline constexpr const char* kArchiveSuffix = "-Mi.csv";  // appended to the typed name
inline constexpr const char* kArchivePattern = "*Mi.csv"; // what the file lists show
// A ten-point file is about 12 KiB; anything far larger is not one of ours.
inline constexpr std::size_t kMaxArchiveBytes = 1024 * 1024;

// Human name of setting box `index` (0..5) for messages, e.g. "X 軸 開始値".
std::string SettingBoxName(int index);

// Why `text` cannot be stored as a setting line, or "" when it can. A comma or a line break
// would split the field and a leading double quote would be taken for a quoted field when the
// file is read back, shifting every later field.
std::string SettingTextProblem(std::string_view text);

struct ArchiveFormat {
    bool ok = false;
    std::string bytes;
    std::string error;   // one line, names the setting box or the value at fault
    int badSetting = -1; // 0..5 when a setting text was refused
};

// The file's bytes from the shared state and the six setting texts. Counts are clamped to the
// capacities so that the file always holds as many lines as its counts announce.
ArchiveFormat FormatArchive(const Module1& state, const SettingTexts& settings);

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

// What a saved-data file gives the browser: the file's fields and what follows from them alone.
// Indices 1..count as in the shared state; index 0 and entries beyond the counts stay 0.
struct SavedPlot {
    int scaleMode = 0;
    std::array<std::string, 6> settingTexts; // as typed, in file order (X start .. Y step)
    std::array<double, 6> settings{};        // the leading-number value of each text
    int pointCount = 0;
    std::array<double, Module1::kMaxPoints + 1> resultX{}, resultY{};
    std::array<double, Module1::kMaxCoefs + 1> coef{};
    // Plot coordinates of the points: on a logarithmic axis the graph puts the axis start at 0.
    std::array<double, Module1::kMaxPoints + 1> xPlot{}, yPlot{};
    int sampleCount = 0;
    std::array<double, Module1::kMaxSamples + 1> curveX{}, curveY{};
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

// The bytes FormatArchive gives, accepted only when ParseArchive accepts exactly these bytes, so
// that a save never writes a file the browser would refuse. A refusal names the setting box at
// fault (badSetting, and its name and text in `error`) when there is one.
ArchiveFormat FormatArchiveForSave(const Module1& state, const SettingTexts& settings);

// Loads a saved plot into the shared state as the browser does: every field of `plot`, the first
// point's plot coordinates as CurveX(0)/CurveY(0), the curve extremes, and `path` in FilePath.
// GraphDrawn and the point data typed in the main window (XData, YData, ...) are left alone.
void LoadSavedPlot(const SavedPlot& plot, const std::string& path, Module1& state);

// True when `text` is "1.0E" followed by "00", or by a sign and two digits, or by "+" and three
// digits: the forms whose last three characters give the decade exponent.
bool IsDecadeText(std::string_view text);

} // namespace mirendo
