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
#include "core/state/Module1.h"
#include "core/state/SettingTexts.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace mirendo {

inline constexpr const char* kArchiveSuffix = "-Mi.csv";  // appended to the typed name
inline constexpr const char* kArchivePattern = "*Mi.csv"; // what the file lists show
inline constexpr int kArchivePointDecimals = 5;           // "0.00000E+00" for a point's X and Y
// A ten-point file is about 12 KiB; anything far larger is not one of ours.
inline constexpr std::size_t kMaxArchiveBytes = 1024 * 1024;

// A field of the file without the blanks around it.
std::string_view TrimFieldBlanks(std::string_view text);

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

} // namespace mirendo
