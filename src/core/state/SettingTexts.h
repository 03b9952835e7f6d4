#pragma once
// The six graph-setting texts as typed: the main window's boxes Text5..Text10, in that order,
// which is also the order an archive stores them in.
#include <array>
#include <cstddef>
#include <string>

namespace mirendo {

enum SettingBox : std::size_t { kXStartBox, kXStopBox, kXStepBox, kYStartBox, kYStopBox, kYStepBox };

using SettingTexts = std::array<std::string, 6>;

// The largest magnitude of a linear graph limit: the graph hands coordinates to the canvas in
// single precision and scales by 1.1 times the span, and a saved curve with a larger limit is
// refused.
inline constexpr double kLargestLinearLimit = 1e37;
// The limits of a logarithmic axis, drawn from their decades: "1.0E-99" is the last decade whose
// exponent the last three characters read back with its sign, "1.0E+308" the last that a double
// holds.
inline constexpr double kSmallestLogLimit = 1e-99;
inline constexpr double kLargestLogLimit = 1e308;

} // namespace mirendo
