#pragma once
// The six graph-setting texts as typed: the main window's boxes Text5..Text10, in that order,
// which is also the order an archive stores them in.
#include <array>
#include <cstddef>
#include <string>

namespace mirendo {

enum SettingBox : std::size_t { kXStartBox, kXStopBox, kXStepBox, kYStartBox, kYStopBox, kYStepBox };

using SettingTexts = std::array<std::string, 6>;

// The largest magnitude of a graph limit: the graph hands coordinates to the canvas in single
// precision and scales by 1.1 times the span, and a saved curve with a larger limit is refused. A
// limit of a logarithmic axis also stays at or above the reciprocal, so that its decade and the
// X limits sent to the engine stay normal single-precision numbers.
inline constexpr double kLargestAxisLimit = 1e37;

} // namespace mirendo
